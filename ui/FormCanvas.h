#pragma once

#include <QImage>
#include <QObject>

class QPixmap;
class QRect;
class QWidget;

namespace ui {

// What PaintPicture leaves on a form: a persistent image under the form's controls, drawn at
// each repaint of the form, as the runtime's AutoRedraw keeps it. It belongs to the form (a
// child object) and grows with it; what lies outside the form when painted is dropped.
class FormCanvas : public QObject {
    Q_OBJECT

public:
    // The form's canvas, made at its first use.
    static FormCanvas& of(QWidget& form);

    // Draws the picture into the target rectangle, in the form's pixels.
    void paint(const QPixmap& picture, const QRect& target);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FormCanvas(QWidget& form);

    QWidget& m_form;
    QImage m_image;
};

} // namespace ui
