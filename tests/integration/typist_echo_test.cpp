// The typist of tools/typist types whole paragraphs the way a user would,
// choosing its own keys (and, when asked, the suggestion keys as soon as one
// shows the word); after every key the edit box's line must read as the
// keyboard's echo of it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/tools/tool_files.h"
#include "tools/toolbox/echo_check.h"
#include "tools/typist/keyboard_session.h"
#include "tools/typist/typist.h"

namespace integration_test {
namespace {

using Indexes = typist::KeyboardSession::Indexes;
using toolbox::EchoCheck;
using toolbox::Printable;

// Windows-1252. Repeated words, so that the suggestion keys offer them.
// clang-format off
const std::vector<std::string> kParagraphs = {
    "\xBFQu\xE9 tal est\xE1s? Bien, gracias: hoy com\xED pan; ma\xF1" "ana, no.",
    "El ni\xF1o comi\xF3 pan. Despu\xE9s se fue a ESPA\xD1" "A con su madre.",
    "Tengo 25 a\xF1os, mido 1,75 m y vivo en el piso 3.",
    "L'home del acuerdo franco-alem\xE1n dijo: \xA1ya! \xC1" "frica y \xC9l, ping\xFCino.",
    "El ni\xF1o comi\xF3 pan con su madre. Despu\xE9s el ni\xF1o comi\xF3 m\xE1s pan.",
};
// clang-format on

TEST(TypistEcho, TheEditBoxReadsAsTheEchoAfterEveryKey) {
    for (const bool suggestions : {false, true}) {
        SCOPED_TRACE(suggestions ? "taking suggestions" : "letter by letter");
        tools_test::TempFolder folder;
        typist::KeyboardSession session(folder.file("d.dic"), Indexes::AsOpened, false);
        session.keyboard().database.executeUpdate("PRAGMA synchronous = OFF;");
        typist::Typist typist(session, suggestions);
        EchoCheck echo;
        std::string firstApart;
        typist.afterEachKey([&] {
            if (!firstApart.empty()) return;
            const auto apart =
                echo.mismatch(session.target(), session.keyboard(), session.desktop().graphics());
            if (apart) firstApart = *apart;
        });
        for (const std::string& paragraph : kParagraphs) {
            SCOPED_TRACE(Printable(paragraph));
            echo = EchoCheck();
            firstApart.clear();
            ASSERT_NO_THROW(typist.typeParagraph(paragraph));
            EXPECT_EQ(firstApart, "");
        }
        if (suggestions) {
            EXPECT_GT(typist.counts().suggestionsTaken, 0u);
        }
    }
}

}  // namespace
}  // namespace integration_test
