#pragma once

#include <QHeaderView>

namespace quillmere::controls {

// The list's header: draws an empty or ticked box (image 0 or 1) in a column's header, and
// keeps the first column at its width.
class CXHeaderCtrl : public QHeaderView {
    Q_OBJECT

  public:
    explicit CXHeaderCtrl(QWidget* parent = nullptr);

    void setImage(int column, int image);
    // -1 for a column without an image or outside the header.
    int image(int column) const;

  protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

  private:
    std::vector<int> m_images;
};

}  // namespace quillmere::controls
