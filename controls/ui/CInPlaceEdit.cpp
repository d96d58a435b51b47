#include "controls/ui/CInPlaceEdit.h"

#include "controls/ui/CCxListCtrl.h"

#include <QLineEdit>
#include <QPainter>

namespace quillmere::controls {

CInPlaceEdit::CInPlaceEdit(CCxListCtrl& list) : QStyledItemDelegate(&list), m_list(list) {}

QWidget* CInPlaceEdit::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    if (index.column() != CCxListCtrl::kShortcutColumn &&
        index.column() != CCxListCtrl::kNameColumn) {
        return nullptr;
    }
    auto* edit = qobject_cast<QLineEdit*>(QStyledItemDelegate::createEditor(parent, option, index));
    if (edit != nullptr) {
        edit->setObjectName(QStringLiteral("ctl155"));
        edit->setAlignment(Qt::AlignCenter);
    }
    return edit;
}

void CInPlaceEdit::setModelData(QWidget* editor, QAbstractItemModel*,
                                const QModelIndex& index) const {
    const auto* edit = qobject_cast<QLineEdit*>(editor);
    if (edit != nullptr) {
        m_list.OnEndLabelEdit(index.row(), index.column(), edit->text());
    }
}

void CInPlaceEdit::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    if (index.column() == CCxListCtrl::kPictureColumn) {
        m_list.drawPicture(painter, option.rect, index.row());
    }
}

}  // namespace quillmere::controls
