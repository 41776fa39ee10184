// The record the window and the link threads share: edits made by two
// threads at once to different fields both survive.
#include <gtest/gtest.h>

#include <thread>

#include "settings/app_settings.h"
#include "settings/shared_record.h"

namespace pv {
namespace {

TEST(SharedRecord, EditsOfDifferentFieldsFromTwoThreadsBothSurvive) {
    SharedRecord<AppSettings> settings;
    constexpr int kEdits = 20000;
    {
        // One thread stands for the link storing the machine's address, the
        // other for a dialog changing its page's fields.
        std::jthread link([&] {
            for (int i = 1; i <= kEdits; ++i) settings.Edit([i](AppSettings& s) { s.MachineIP = i; });
        });
        std::jthread dialog([&] {
            for (int i = 1; i <= kEdits; ++i)
                settings.Edit([](AppSettings& s) {
                    ++s.CutOffDistX;
                    s.AutoDir = "DirAuto/" + std::to_string(s.CutOffDistX);
                });
        });
        for (int i = 0; i < kEdits; ++i) {
            const AppSettings copy = settings.Get();
            // A copy is never half an edit.
            ASSERT_EQ(copy.AutoDir, copy.CutOffDistX == 0 ? std::string() : "DirAuto/" + std::to_string(copy.CutOffDistX));
        }
    }
    const AppSettings last = settings.Get();
    EXPECT_EQ(last.MachineIP, kEdits);
    EXPECT_EQ(last.CutOffDistX, kEdits);
    EXPECT_EQ(settings.Read([](const AppSettings& s) { return s.AutoDir; }), "DirAuto/" + std::to_string(kEdits));
}

}  // namespace
}  // namespace pv
