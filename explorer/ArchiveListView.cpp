#include "explorer/ArchiveListView.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSize>
#include <QStyledItemDelegate>
#include <QToolTip>

#include "explorer/ArchiveListAccessibility.h"
#include "explorer/ExplorerKeys.h"

namespace explorer {

namespace {

constexpr QChar breakOpportunity(0x200B); // zero-width space
constexpr int cellWidth = 80;
constexpr int iconPixels = 32;
constexpr int cellMargins = 12;
constexpr int nameLines = 3;

// Hands the typed label to the list's judge before it replaces the old one. Shows a long name
// wrapped anywhere, as the platform's large-icon view does, rather than cut with an ellipsis,
// and the whole name as its tool tip.
class LabelEditDelegate : public QStyledItemDelegate {
public:
    LabelEditDelegate(ArchiveListView& list, const ArchiveListView::LabelEditJudge& judge)
        : QStyledItemDelegate(&list), m_list(list), m_judge(judge)
    {
    }

    QString displayText(const QVariant& value, const QLocale& locale) const override
    {
        const QString text = QStyledItemDelegate::displayText(value, locale);
        QString breakable;
        breakable.reserve(text.size() * 2);
        for (qsizetype index = 0; index < text.size(); ++index) {
            if (index > 0 && !text[index].isLowSurrogate())
                breakable += breakOpportunity;
            breakable += text[index];
        }
        return breakable;
    }

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override
    {
        if (event && event->type() == QEvent::ToolTip && index.isValid()) {
            QToolTip::showText(event->globalPos(), index.data(Qt::DisplayRole).toString(), view,
                               view->visualRect(index));
            return true;
        }
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        const auto* lineEdit = qobject_cast<QLineEdit*>(editor);
        QListWidgetItem* item = m_list.item(index.row());
        if (!lineEdit || !item)
            return;
        const QString newLabel = lineEdit->text();
        if (newLabel == item->text())
            return;
        if (!m_judge || m_judge(item, newLabel))
            QStyledItemDelegate::setModelData(editor, model, index);
    }

private:
    ArchiveListView& m_list;
    const ArchiveListView::LabelEditJudge& m_judge;
};

} // namespace

ArchiveListView::ArchiveListView(QWidget* parent) : QListWidget(parent)
{
    [[maybe_unused]] static const bool itemsSpeak = [] {
        QAccessible::installFactory(&ArchiveListAccessibility::create);
        return true;
    }();
    setObjectName(QStringLiteral("LVDB"));
    setAccessibleName(QStringLiteral("Archivi"));
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setWrapping(true);
    // Long archive names wrap under their icon in a fixed cell, as the platform's large-icon view
    // shows them: three lines of name under the icon.
    setWordWrap(true);
    setGridSize(QSize(cellWidth, iconPixels + cellMargins + nameLines * fontMetrics().lineSpacing()));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setItemDelegate(new LabelEditDelegate(*this, m_judge));
    setSortingEnabled(true);
}

void ArchiveListView::setLabelEditJudge(LabelEditJudge judge)
{
    m_judge = std::move(judge);
}

void ArchiveListView::setColumn(const QString& caption, int widthTwips)
{
    m_columnCaption = caption;
    m_columnWidth = widthTwips;
}

QListWidgetItem* ArchiveListView::selectedArchive() const
{
    QListWidgetItem* current = currentItem();
    if (current && current->isSelected())
        return current;
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void ArchiveListView::selectOnly(QListWidgetItem* item)
{
    clearSelection();
    if (!item) {
        setCurrentItem(nullptr, QItemSelectionModel::NoUpdate);
        return;
    }
    setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
}

QListWidgetItem* ArchiveListView::dropTarget() const
{
    return m_dropTarget.isValid() ? item(m_dropTarget.row()) : nullptr;
}

void ArchiveListView::setDropTarget(QListWidgetItem* target)
{
    if (QListWidgetItem* previous = dropTarget())
        previous->setData(Qt::BackgroundRole, QVariant());
    m_dropTarget = target ? QPersistentModelIndex(indexFromItem(target)) : QPersistentModelIndex();
    if (target)
        target->setBackground(palette().brush(QPalette::Highlight));
}

// The right button's release decides the selection itself.
void ArchiveListView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QListWidget::mousePressEvent(event);
}

void ArchiveListView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::RightButton)
        QListWidget::mouseReleaseEvent(event);
    Q_EMIT mouseReleased(event->button(), event->position().toPoint(), event->globalPosition().toPoint());
}

void ArchiveListView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete && state() != QAbstractItemView::EditingState) {
        Q_EMIT deletePressed();
        event->accept();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && state() != QAbstractItemView::EditingState) {
        Q_EMIT openRequested();
        event->accept();
        return;
    }
    // The window's key table alone decides what these keys do.
    if (isKeyTableKey(*event)) {
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

// The right button's release opens the menu; only the keyboard's request is handled here.
void ArchiveListView::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept();
    if (event->reason() != QContextMenuEvent::Mouse)
        Q_EMIT keyboardMenuRequested();
}

} // namespace explorer
