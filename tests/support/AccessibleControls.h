#pragma once

#include <source_location>

#include <QString>
#include <QStringList>

class QWidget;

// What a screen-reader user and a keyboard user meet in a window: its interactive controls
// (buttons, text and combo boxes, lists, sliders, tab bars, the menu bar, anything that takes Tab)
// and its menus' entries. Every window test of every program runs these on its windows, so a new
// control without a name, or out of Tab's reach, fails its test.

// The name a screen reader announces for the widget: its accessible name, or for a combo box
// (whose name on this desktop is its current text) the labels it is labelled by; empty when none.
QString announcedName(QWidget& widget);

// The window's controls that show with it (itself included, shown yet or not) that have nothing a screen reader can
// announce, and the menu entries without a caption, each as "Name (Class)" with the names of the
// widgets it lies in.
QStringList unnamedControls(QWidget& window);

// The window's shown and enabled controls that Tab never moves to (the menu bar is reached with
// Alt and its access keys, so it counts as reached).
QStringList unreachableControls(QWidget& window);

// Fail the running Qt test, listing the controls, when there are any.
void expectEveryControlNamed(QWidget& window, std::source_location where = std::source_location::current());
void expectEveryControlReachable(QWidget& window, std::source_location where = std::source_location::current());
