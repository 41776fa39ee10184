#pragma once
// Answers the next modal dialog or message box the code under test opens,
// so a test can drive a command that asks the operator something.
#include <QString>
#include <functional>

namespace pv::test {

// Within `timeoutMs`, waits for a modal widget; reports its text (for a
// message box) to `seen` and closes it with `accept` (OK) or rejects it.
void AnswerNextModal(bool accept, QString* seen = nullptr, int timeoutMs = 5000);

}  // namespace pv::test
