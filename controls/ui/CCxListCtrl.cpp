#include "controls/ui/CCxListCtrl.h"

#include "app/UserDialogs.h"
#include "controls/ShortcutRule.h"
#include "controls/ui/CInPlaceEdit.h"
#include "controls/ui/CXHeaderCtrl.h"

#include "app/ui/WaitCursor.h"

namespace quillmere::controls {

CCxListCtrl::CCxListCtrl(app::UserDialogs& dialogs, QWidget* parent)
    : QTreeWidget(parent), m_dialogs(dialogs), m_header(new CXHeaderCtrl(this)) {
    setHeader(m_header);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setEditTriggers(QAbstractItemView::DoubleClicked);
    setItemDelegate(new CInPlaceEdit(*this));
    setStyleSheet(
        QStringLiteral("QTreeView::item { border-right: 1px solid palette(mid); "
                       "border-bottom: 1px solid palette(mid); }"));
    connect(m_header, &QHeaderView::sectionClicked, this, &CCxListCtrl::onHeaderClicked);
    connect(this, &QTreeWidget::itemChanged, this, &CCxListCtrl::onItemChanged);
}

void CCxListCtrl::InitColumns(const QString& icon, const QString& shortcut, const QString& name) {
    setColumnCount(4);
    setHeaderLabels({QString(), icon, shortcut, name});
    const int widths[] = {26, 40, 120, 165};
    for (int c = 0; c < 4; ++c) {
        setColumnWidth(c, widths[c]);
    }
    headerItem()->setTextAlignment(kShortcutColumn, Qt::AlignCenter);
    headerItem()->setTextAlignment(kNameColumn, Qt::AlignCenter);
    m_header->setSectionResizeMode(kCheckColumn, QHeaderView::Fixed);
    m_header->setSectionsClickable(true);
    m_header->setImage(kCheckColumn, 0);
}

void CCxListCtrl::addRow(const QString& shortcut, const QString& name) {
    auto* item = new QTreeWidgetItem(this);
    item->setText(kShortcutColumn, shortcut);
    item->setText(kNameColumn, name);
    item->setTextAlignment(kShortcutColumn, Qt::AlignCenter);
    item->setTextAlignment(kNameColumn, Qt::AlignCenter);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsEditable);
    item->setCheckState(kCheckColumn, Qt::Checked);
}

void CCxListCtrl::SetHeaderCheck(int column, int image) {
    m_header->setImage(column, image);
}

int CCxListCtrl::GetHeaderCheck(int column) const {
    return m_header->image(column);
}

bool CCxListCtrl::isChecked(int row) const {
    const QTreeWidgetItem* item = topLevelItem(row);
    return item != nullptr && item->checkState(kCheckColumn) == Qt::Checked;
}

void CCxListCtrl::setChecked(int row, bool checked) {
    if (QTreeWidgetItem* item = topLevelItem(row)) {
        item->setCheckState(kCheckColumn, checked ? Qt::Checked : Qt::Unchecked);
    }
}

QString CCxListCtrl::cellText(int row, int column) const {
    const QTreeWidgetItem* item = topLevelItem(row);
    return item != nullptr ? item->text(column) : QString();
}

void CCxListCtrl::OnEndLabelEdit(int row, int column, const QString& text) {
    QTreeWidgetItem* item = topLevelItem(row);
    if (item == nullptr || (column != kShortcutColumn && column != kNameColumn)) {
        return;
    }
    if (column == kShortcutColumn) {
        std::vector<std::u16string> others;
        for (int r = 0; r < topLevelItemCount(); ++r) {
            if (r != row) {
                others.push_back(topLevelItem(r)->text(kShortcutColumn).toStdU16String());
            }
        }
        if (const auto refusal = ShortcutRule::refusal(text.toStdU16String(), others)) {
            m_dialogs.MessageBox(*refusal, app::UserDialogs::kCaption,
                                 app::UserDialogs::Icon::None);
            return;
        }
    }
    item->setText(column, text);
    m_bModified = true;
}

void CCxListCtrl::drawPicture(QPainter* painter, const QRect& cell, int row) const {
    if (m_drawer) {
        m_drawer(painter, cell, row);
    }
}

void CCxListCtrl::onHeaderClicked(int section) {
    if (section != kCheckColumn) {
        return;
    }
    const bool tick = GetHeaderCheck(kCheckColumn) != 1;
    {
        app::WaitCursor wait;
        m_settingAll = true;
        for (int r = 0; r < topLevelItemCount(); ++r) {
            setChecked(r, tick);
        }
        m_settingAll = false;
    }
    SetHeaderCheck(kCheckColumn, tick ? 1 : 0);
}

void CCxListCtrl::onItemChanged(QTreeWidgetItem*, int column) {
    if (column != kCheckColumn || m_settingAll) {
        return;
    }
    bool all = true;
    for (int r = 0; r < topLevelItemCount() && all; ++r) {
        all = isChecked(r);
    }
    const int image = all ? 1 : 0;
    if (GetHeaderCheck(kCheckColumn) != image) {
        SetHeaderCheck(kCheckColumn, image);
    }
}

}  // namespace quillmere::controls
