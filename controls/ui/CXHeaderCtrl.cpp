#include "controls/ui/CXHeaderCtrl.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace quillmere::controls {

CXHeaderCtrl::CXHeaderCtrl(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(true);
    setHighlightSections(false);
}

void CXHeaderCtrl::setImage(int column, int image) {
    if (column < 0 || column >= count()) {
        return;
    }
    if (static_cast<int>(m_images.size()) <= column) {
        m_images.resize(static_cast<size_t>(column) + 1, -1);
    }
    m_images[static_cast<size_t>(column)] = image;
    viewport()->update();
}

int CXHeaderCtrl::image(int column) const {
    if (column < 0 || column >= count() || column >= static_cast<int>(m_images.size())) {
        return -1;
    }
    return m_images[static_cast<size_t>(column)];
}

void CXHeaderCtrl::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    painter->save();
    QHeaderView::paintSection(painter, rect, logicalIndex);
    painter->restore();
    const int current = image(logicalIndex);
    if (current < 0) {
        return;
    }
    QStyleOptionButton box;
    box.rect = QRect(rect.left() + 5, rect.center().y() - 8, 16, 16);
    box.state = QStyle::State_Enabled | (current == 1 ? QStyle::State_On : QStyle::State_Off);
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, painter, this);
}

}  // namespace quillmere::controls
