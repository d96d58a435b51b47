#include "app/WizardDriver.h"

#include "services/CQuiLoggerBase.h"
#include "support/LogCapture.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace quillmere::app {
namespace {

// A page whose hooks a test scripts; by default it accepts, shows its default buttons and goes
// to its neighbours.
struct ScriptedPage : WizardPage {
    WizardDriver* driver = nullptr;
    int index = 0;
    std::function<bool()> onActivate;
    std::function<int()> onNext;
    std::function<int()> onBack;
    int activations = 0;

    bool OnSetActive() override {
        ++activations;
        driver->SetWizardButtons(WizardDriver::defaultButtons(index));
        return onActivate ? onActivate() : true;
    }
    int OnWizardNext() override { return onNext ? onNext() : 0; }
    int OnWizardBack() override { return onBack ? onBack() : 0; }
};

// Eighteen scripted pages behind one driver.
struct ScriptedWizard {
    ScriptedWizard() {
        for (int i = 0; i < 18; ++i) {
            auto page = std::make_unique<ScriptedPage>();
            page->driver = &driver;
            page->index = i;
            driver.addPage(page.get());
            pages.push_back(std::move(page));
        }
    }

    ScriptedPage& page(int index) { return *pages[static_cast<size_t>(index)]; }
    void jumpOnNext(int from, int to) {
        page(from).onNext = [this, to] {
            driver.OnSetNext(to, 0);
            return -1;
        };
    }
    void jumpOnBack(int from, int to) {
        page(from).onBack = [this, to] {
            driver.OnSetBack(to, 0);
            return -1;
        };
    }
    // A list page with the preview skipped: hands on, jumps to `to` and refuses.
    void skipTo(int from, int to) {
        page(from).onActivate = [this, to] {
            driver.OnSetNext(to, 0);
            return false;
        };
    }

    WizardDriver driver{nullptr};
    std::vector<std::unique_ptr<ScriptedPage>> pages;
};

class WizardDriverTest : public testing::Test, protected ScriptedWizard {};

TEST_F(WizardDriverTest, StartsOnTheWelcomePageWithNextOnly) {
    driver.start(0);
    EXPECT_EQ(driver.activeIndex(), 0);
    EXPECT_EQ(driver.buttons(), WizardButtons::NextOnly);
}

TEST_F(WizardDriverTest, TravelsEachRoadAndBack) {
    struct Road {
        int jumpFromInit;  // -1: the default Next
        std::vector<int> forward;
        std::vector<int> backward;
    };
    const Road roads[] = {
        {-1, {1, 2, 3, 4}, {3, 2, 1, 0}},
        {5, {1, 5, 6, 7}, {6, 5, 1, 0}},
        {12, {1, 12, 13, 14}, {13, 1, 0}},
        {15, {1, 15, 16, 17}, {16, 15, 1, 0}},
    };
    for (const Road& road : roads) {
        ScriptedWizard fresh;
        if (road.jumpFromInit >= 0) {
            fresh.jumpOnNext(1, road.jumpFromInit);
        }
        fresh.jumpOnNext(12, 13);
        fresh.jumpOnBack(5, 1);
        fresh.jumpOnBack(12, 1);
        fresh.jumpOnBack(13, 1);
        fresh.jumpOnBack(15, 1);
        fresh.driver.start(0);
        for (int expected : road.forward) {
            fresh.driver.Next();
            EXPECT_EQ(fresh.driver.activeIndex(), expected) << "road via " << road.jumpFromInit;
        }
        EXPECT_EQ(fresh.driver.buttons(), WizardButtons::BackFinish);
        for (int expected : road.backward) {
            fresh.driver.Back();
            EXPECT_EQ(fresh.driver.activeIndex(), expected) << "road via " << road.jumpFromInit;
        }
        EXPECT_EQ(fresh.driver.buttons(), WizardButtons::NextOnly);
    }
}

TEST_F(WizardDriverTest, RefusalsPassOnInTheDirectionOfTravel) {
    // Skipping the preview: every list page hands on and refuses.
    jumpOnNext(1, 5);
    skipTo(2, 3);
    skipTo(6, 7);
    skipTo(16, 17);
    driver.start(1);
    driver.Next();
    driver.Next();
    EXPECT_EQ(driver.activeIndex(), 7);
    driver.Back();
    EXPECT_EQ(driver.activeIndex(), 5) << "Back from 7 skips the list page backwards";

    driver.OnSetBack(1, 0);
    page(1).onNext = nullptr;
    driver.Next();
    EXPECT_EQ(driver.activeIndex(), 3);
    driver.Back();
    EXPECT_EQ(driver.activeIndex(), 1);

    driver.OnSetNext(15, 0);
    driver.Next();
    EXPECT_EQ(driver.activeIndex(), 17);
    driver.Back();
    EXPECT_EQ(driver.activeIndex(), 15);
}

TEST_F(WizardDriverTest, StaysWhenEveryPageInTheWayRefusesOrTheIndexIsOutOfRange) {
    driver.start(16);
    page(17).onActivate = [] { return false; };
    driver.Next();
    EXPECT_EQ(driver.activeIndex(), 16);
    driver.OnSetNext(18, 0);
    driver.OnSetNext(-1, 0);
    EXPECT_EQ(driver.activeIndex(), 16);
    // A page that jumps to itself from its activation does not exhaust the stack.
    page(9).onActivate = [this] {
        driver.OnSetNext(9, 0);
        return true;
    };
    driver.OnSetNext(9, 0);
    EXPECT_EQ(driver.activeIndex(), 9);
}

TEST_F(WizardDriverTest, StayingOnNextOrBackKeepsThePage) {
    driver.start(3);
    page(3).onNext = [] { return -1; };
    page(3).onBack = [] { return -1; };
    driver.Next();
    driver.Back();
    EXPECT_EQ(driver.activeIndex(), 3);
    EXPECT_EQ(page(3).activations, 1);
}

TEST(WizardDriver, LogsTheJumps) {
    test::LogCapture capture("WizardDriverTest");
    services::CQuiLoggerBase log("WizardDriverTest");
    WizardDriver driver(&log);
    capture.clear();
    driver.OnSetNext(5, 0);
    driver.OnSetBack(1, 7);
    EXPECT_EQ(capture.messages(), (std::vector<std::string>{"OnSetNext: to 5 ErrorCode: 0",
                                                            "OnSetBack: to 1 ErrorCode: 7"}));
}

}  // namespace
}  // namespace quillmere::app
