#pragma once

#include <QTreeWidget>

#include <functional>
#include <string>

class QPainter;

namespace quillmere::app {
class UserDialogs;
}

namespace quillmere::controls {

class CXHeaderCtrl;

// The emoticon list of every list page: a tick box per row, a picture column the page draws,
// and shortcut and name columns edited in place under the shortcut rule. A tick-all box in the
// first column's header follows the rows.
class CCxListCtrl : public QTreeWidget {
    Q_OBJECT

  public:
    static constexpr int kCheckColumn = 0;
    static constexpr int kPictureColumn = 1;
    static constexpr int kShortcutColumn = 2;
    static constexpr int kNameColumn = 3;

    // Draws the picture of a row into a cell; the owning page supplies it.
    using PictureDrawer = std::function<void(QPainter* painter, const QRect& cell, int row)>;

    CCxListCtrl(app::UserDialogs& dialogs, QWidget* parent = nullptr);

    // The four columns with the header texts of strings 110, 111 and 112.
    void InitColumns(const QString& icon, const QString& shortcut, const QString& name);
    // Appends a ticked row.
    void addRow(const QString& shortcut, const QString& name);
    void setPictureDrawer(PictureDrawer drawer) { m_drawer = std::move(drawer); }

    void SetHeaderCheck(int column, int image);
    int GetHeaderCheck(int column) const;
    bool IsModified() const { return m_bModified; }
    void ClearModified() { m_bModified = false; }

    bool isChecked(int row) const;
    void setChecked(int row, bool checked);
    QString cellText(int row, int column) const;

    // An in-place edit ended with this text: the shortcut rule decides for column 2.
    void OnEndLabelEdit(int row, int column, const QString& text);
    void drawPicture(QPainter* painter, const QRect& cell, int row) const;

  private:
    void onHeaderClicked(int section);
    void onItemChanged(QTreeWidgetItem* item, int column);

    app::UserDialogs& m_dialogs;
    CXHeaderCtrl* m_header;
    PictureDrawer m_drawer;
    bool m_bModified = false;
    bool m_settingAll = false;
};

}  // namespace quillmere::controls
