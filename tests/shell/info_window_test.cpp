// The information window's note reads as whole lines: in every built-in language its widest line
// fits the memo, and no line wraps.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextDocument>

#include "shell/globals.h"
#include "shell/texts.h"
#include "shell/ui/riguardo.h"

namespace {

TEST(InformationWindow, EveryLineOfTheNoteFitsTheMemoInEveryBuiltInLanguage)
{
    for (const std::uint8_t slot : {0, 1, 2, 3, 5}) {
        globals::reset();
        globals::LanguageIndex = slot;
        orb::Tinfo info(nullptr);
        info.show();
        QPlainTextEdit* memo = info.memo();
        const QFontMetrics metrics(memo->font());
        const int room = memo->viewport()->width() - 2 * int(std::ceil(memo->document()->documentMargin()));
        int widest = 0;
        for (const QString& line : info.noteLines())
            widest = std::max(widest, metrics.horizontalAdvance(line));
        EXPECT_LE(widest, room) << "language slot " << int(slot);
        EXPECT_EQ(memo->document()->lineCount(), 83) << "language slot " << int(slot);
        EXPECT_GE(memo->font().pixelSize(), 9);
    }
    globals::reset();
}

}  // namespace
