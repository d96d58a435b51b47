#pragma once

#include <QStyledItemDelegate>

#include <functional>

namespace quillmere::controls {

class CCxListCtrl;

// In-place editing of the shortcut and name cells, and the drawing of the picture cells. Enter
// and losing the focus end an edit, Escape cancels it; the list decides whether the text stands.
class CInPlaceEdit : public QStyledItemDelegate {
    Q_OBJECT

  public:
    explicit CInPlaceEdit(CCxListCtrl& list);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  private:
    CCxListCtrl& m_list;
};

}  // namespace quillmere::controls
