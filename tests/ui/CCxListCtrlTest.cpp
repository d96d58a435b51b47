#include "controls/ui/CCxListCtrl.h"

#include "support/ScriptedDialogs.h"
#include "ui/UiTestRegistry.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTest>

namespace quillmere::controls {
namespace {

class CCxListCtrlTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CCxListCtrl> makeList(test::ScriptedDialogs& dialogs,
                                          std::initializer_list<const char*> shortcuts) {
        auto list = std::make_unique<CCxListCtrl>(dialogs);
        list->InitColumns("Icon", "Keyboard Shortcut", "Name");
        for (const char* s : shortcuts) {
            list->addRow(s, QString("name of ") + s);
        }
        list->resize(400, 200);
        list->show();
        if (!QTest::qWaitForWindowExposed(list.get())) {
            qWarning("the list was not shown");
        }
        return list;
    }

    // Opens the cell's edit box (by a double click when asked), types, and ends with the key.
    static void edit(CCxListCtrl& list, int row, int column, const QString& text, Qt::Key end,
                     bool doubleClick = false) {
        if (doubleClick) {
            const QRect cell = list.visualRect(list.model()->index(row, column));
            // A double click follows a press, as with a real mouse.
            QTest::mousePress(list.viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, cell.center());
        } else {
            list.editItem(list.topLevelItem(row), column);
        }
        QLineEdit* box = nullptr;
        for (QLineEdit* candidate : list.findChildren<QLineEdit*>("ctl155")) {
            if (candidate->isVisible()) {
                box = candidate;
            }
        }
        QVERIFY(box != nullptr);
        box->selectAll();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, end);
        // The edit ends, and its box goes, at the next turns of the event loop.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

  private slots:
    void setsUpItsColumns() {
        test::ScriptedDialogs dialogs;
        const auto list = makeList(dialogs, {});
        QCOMPARE(list->columnCount(), 4);
        QCOMPARE(list->headerItem()->text(2), QString("Keyboard Shortcut"));
        QCOMPARE(list->columnWidth(0), 26);
        QCOMPARE(list->columnWidth(3), 165);
        QCOMPARE(list->header()->sectionResizeMode(0), QHeaderView::Fixed);
        QCOMPARE(list->header()->sectionResizeMode(2), QHeaderView::Interactive);
        QCOMPARE(list->GetHeaderCheck(0), 0);
        QCOMPARE(list->GetHeaderCheck(7), -1);
    }

    void acceptsAndRefusesShortcutEdits() {
        test::ScriptedDialogs dialogs;
        const auto list = makeList(dialogs, {":)", ":("});
        edit(*list, 1, 2, "toolong8", Qt::Key_Return, true);
        QCOMPARE(list->cellText(1, 2), QString(":("));
        edit(*list, 1, 2, ":)", Qt::Key_Return);
        QCOMPARE(list->cellText(1, 2), QString(":("));
        QCOMPARE(dialogs.texts(), (std::vector<std::u16string>{
                                      u"The legth of shortcut name is bwteen 1 - 7",
                                      u"Shortcut name exists. Shortcut name must be unique!"}));
        QVERIFY(!list->IsModified());
        edit(*list, 1, 2, ":D", Qt::Key_Escape);
        QCOMPARE(list->cellText(1, 2), QString(":("));
        QVERIFY(!list->IsModified());
        edit(*list, 1, 2, ":D", Qt::Key_Return);
        QCOMPARE(list->cellText(1, 2), QString(":D"));
        QVERIFY(list->IsModified());
        list->ClearModified();
        edit(*list, 0, 2, ":)", Qt::Key_Return);
        QVERIFY2(list->IsModified(), "an unchanged shortcut confirmed counts as an edit");
        edit(*list, 0, 3, "Smile again", Qt::Key_Return);
        QCOMPARE(list->cellText(0, 3), QString("Smile again"));
        QCOMPARE(dialogs.shown.size(), size_t{2});
        list->editItem(list->topLevelItem(0), 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(list->findChild<QLineEdit*>("ctl155") == nullptr,
                 "the picture column is not edited");
    }

    void keepsTheHeaderBoxInStepWithTheRows() {
        test::ScriptedDialogs dialogs;
        const auto list = makeList(dialogs, {"a", "A", "b"});
        list->SetHeaderCheck(0, 1);
        list->setChecked(1, false);
        QCOMPARE(list->GetHeaderCheck(0), 0);
        list->setChecked(1, true);
        QCOMPARE(list->GetHeaderCheck(0), 1);
        const QRect first(list->header()->sectionViewportPosition(0), 0,
                          list->header()->sectionSize(0), list->header()->height());
        QTest::mouseClick(list->header()->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(list->GetHeaderCheck(0), 0);
        QVERIFY(!list->isChecked(0) && !list->isChecked(1) && !list->isChecked(2));
        QTest::mouseClick(list->header()->viewport(), Qt::LeftButton, {}, first.center());
        QVERIFY(list->isChecked(0) && list->isChecked(1) && list->isChecked(2));

        const auto empty = makeList(dialogs, {});
        QTest::mouseClick(empty->header()->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(empty->GetHeaderCheck(0), 1);
    }
};

const test::UiTestRegistry::Add<CCxListCtrlTest> registered;

}  // namespace
}  // namespace quillmere::controls

#include "CCxListCtrlTest.moc"
