#include "LinkMessages.h"

#include <QCoreApplication>
#include <array>

#include "LinkFrames.h"

namespace {

using Patterns = std::array<const char*, 7>;  // in the order of LinkOutcome

constexpr Patterns kWrite{
    QT_TRANSLATE_NOOP("LinkMessages", "Write Completed：0x%1"),
    QT_TRANSLATE_NOOP("LinkMessages", "Write Error：0x%1"),
    QT_TRANSLATE_NOOP("LinkMessages", "%1 Write Completed"),
    QT_TRANSLATE_NOOP("LinkMessages", "%1 Write Error"),
    QT_TRANSLATE_NOOP("LinkMessages", "Write Completed"),
    QT_TRANSLATE_NOOP("LinkMessages", "All Write Completed"),
    QT_TRANSLATE_NOOP("LinkMessages", "Write Stopped at block %1"),
};
constexpr Patterns kRead{
    QT_TRANSLATE_NOOP("LinkMessages", "Read Completed：0x%1"),
    QT_TRANSLATE_NOOP("LinkMessages", "Read Error：0x%1"),
    QT_TRANSLATE_NOOP("LinkMessages", "%1 Read Completed"),
    QT_TRANSLATE_NOOP("LinkMessages", "%1 Read Error"),
    QT_TRANSLATE_NOOP("LinkMessages", "Read Completed"),
    QT_TRANSLATE_NOOP("LinkMessages", "All Read Completed"),
    QT_TRANSLATE_NOOP("LinkMessages", "Read Stopped at block %1"),
};
constexpr Patterns kVerify{
    QT_TRANSLATE_NOOP("LinkMessages", "Verify Completed：0x%1"),
    QT_TRANSLATE_NOOP("LinkMessages", "Verify Error：0x%1"),
    QT_TRANSLATE_NOOP("LinkMessages", "%1 Verify Completed"),
    QT_TRANSLATE_NOOP("LinkMessages", "%1 Verify Error"),
    QT_TRANSLATE_NOOP("LinkMessages", "Verify Completed"),
    QT_TRANSLATE_NOOP("LinkMessages", "All Verify Completed"),
    QT_TRANSLATE_NOOP("LinkMessages", "Verify Stopped at block %1"),
};

}  // namespace

QString linkMessage(int operation, LinkOutcome outcome) {
    const Patterns& patterns = operation == LinkFrames::Operation::Write  ? kWrite
                               : operation == LinkFrames::Operation::Read ? kRead
                                                                          : kVerify;
    return QCoreApplication::translate("LinkMessages", patterns[static_cast<std::size_t>(outcome)]);
}
