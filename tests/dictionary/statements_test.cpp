#include "dictionary/statements.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace statements;

struct TextCase {
    std::string actual;
    const char* expected;
};

// Every text byte for byte, with words that follow the '!' convention.
const TextCase kTexts[] = {
    {CreateWordsTable(),
     "create table palabras(palabra char(40), pSinAcento char(40), repPal int);"},
    {CreateSuccessorsTable(),
     "create table siguientes(palabra char(40), siguiente char(40), sSinAcento char(40), repSig "
     "int);"},
    {CountWord("cancion", "canci\xF3n"),
     "SELECT count(palabra) FROM palabras WHERE pSinAcento = 'cancion' AND palabra = 'canci\xF3n' "
     "ORDER BY repPal DESC;"},
    {InsertWord("cancion", "canci\xF3n"),
     "INSERT INTO palabras (palabra, pSinAcento, repPal) VALUES('canci\xF3n','cancion',1);"},
    {IncrementWord("l!home", "l!home"),
     "UPDATE palabras SET repPal=repPal+1 WHERE pSinAcento ='l!home' AND palabra = 'l!home';"},
    {MaxWordCount("arbol", "\xE1rbol"),
     "SELECT MAX(repPal) FROM palabras WHERE pSinAcento = 'arbol' AND palabra = '\xE1rbol' ORDER "
     "BY repPal DESC;"},
    {AgeWords(), "UPDATE palabras SET repPal = min(repPal, 2147483646)/2;"},
    {CountPair(".", "arbol", "\xE1rbol"),
     "SELECT count(siguiente) FROM siguientes WHERE sSinAcento = 'arbol' AND palabra = '.' AND "
     "siguiente = '\xE1rbol' ORDER BY repSig DESC;"},
    {InsertPair("la", "cancion", "canci\xF3n"),
     "INSERT INTO siguientes (palabra, siguiente, sSinAcento, repSig) "
     "VALUES('la','canci\xF3n','cancion',1);"},
    {IncrementPair("la", "casa", "casa"),
     "UPDATE siguientes SET repSig=repSig+1 WHERE sSinAcento ='casa' AND palabra = 'la' AND "
     "siguiente = 'casa';"},
    {MaxPairCount("la", "casa", "casa"),
     "SELECT MAX(repSig) FROM siguientes WHERE sSinAcento = 'casa' AND palabra = 'la' AND "
     "siguiente = 'casa' ORDER BY repSig DESC;"},
    {AgePairs(), "UPDATE siguientes SET repSig = min(repSig, 2147483646)/2;"},
    {DeleteWord("l!home"), "DELETE FROM palabras WHERE pSinAcento = 'l!home';"},
    {DeleteSuccessors("cancion"), "DELETE FROM siguientes WHERE sSinAcento = 'cancion';"},
    {CountFrequentWords(),
     "SELECT count(palabra) FROM (SELECT palabra FROM palabras WHERE pSinAcento LIKE '__%' AND "
     "palabra IS NOT NULL LIMIT 6);"},
    {FrequentWords(),
     "SELECT palabra FROM palabras WHERE pSinAcento LIKE '__%' ORDER BY repPal DESC, palabra ASC "
     "LIMIT 6;"},
    {P1("can"),
     "SELECT count(palabra) FROM (SELECT palabra FROM palabras WHERE pSinAcento LIKE 'can_%' AND "
     "palabra IS NOT NULL LIMIT 6);"},
    {P2("can"),
     "SELECT palabra FROM palabras WHERE pSinAcento LIKE 'can_%' ORDER BY repPal DESC, palabra "
     "ASC LIMIT 6;"},
    {P3("can"),
     "SELECT count(palabra) FROM (SELECT palabra FROM palabras WHERE pSinAcento LIKE 'can_%' AND "
     "palabra IS NOT NULL LIMIT 6);"},
    {P4(),
     "SELECT count(palabra) FROM (SELECT palabra FROM palabras WHERE pSinAcento LIKE '_%' AND "
     "palabra IS NOT NULL LIMIT 6);"},
    {P5(),
     "SELECT palabra FROM palabras WHERE pSinAcento LIKE '_%' ORDER BY repPal DESC, palabra ASC "
     "LIMIT 6;"},
    {N1("la", "ca"),
     "SELECT count(siguiente) FROM (SELECT siguiente FROM siguientes WHERE palabra = 'la' AND "
     "sSinAcento LIKE 'ca_%' AND siguiente IS NOT NULL LIMIT 6);"},
    {N2("la", "ca"),
     "SELECT siguiente FROM siguientes WHERE palabra = 'la' AND sSinAcento LIKE 'ca_%' ORDER BY "
     "repSig DESC, siguiente ASC LIMIT 6;"},
    {N3("hola"),
     "SELECT count(siguiente) FROM (SELECT siguiente FROM siguientes WHERE palabra = 'hola' AND "
     "sSinAcento LIKE '__%' AND siguiente IS NOT NULL LIMIT 6);"},
    {N4("hola"),
     "SELECT siguiente FROM siguientes WHERE palabra = 'hola' AND sSinAcento LIKE '__%' ORDER BY "
     "repSig DESC, siguiente ASC LIMIT 6;"},
    {S1(),
     "SELECT count(siguiente) FROM (SELECT siguiente FROM siguientes WHERE palabra = '.' AND "
     "sSinAcento LIKE '__%' AND siguiente IS NOT NULL LIMIT 6);"},
    {S2(),
     "SELECT siguiente FROM siguientes WHERE palabra = '.' AND sSinAcento LIKE '__%' ORDER BY "
     "repSig DESC, siguiente ASC LIMIT 6;"},
    {S3("h"),
     "SELECT count(siguiente) FROM (SELECT siguiente FROM siguientes WHERE palabra = '.' AND "
     "sSinAcento LIKE 'h_%' AND siguiente IS NOT NULL LIMIT 6);"},
    {S3(""),
     "SELECT count(siguiente) FROM (SELECT siguiente FROM siguientes WHERE palabra = '.' AND "
     "sSinAcento LIKE '_%' AND siguiente IS NOT NULL LIMIT 6);"},
    {S4("h"),
     "SELECT siguiente FROM siguientes WHERE palabra = '.' AND sSinAcento LIKE 'h_%' ORDER BY "
     "repSig DESC, siguiente ASC LIMIT 6;"},
    {FileExportCount(), "SELECT count(palabra) FROM palabras"},
    {FileExportRows(), "SELECT * FROM palabras ORDER BY repPal DESC, palabra ASC"},
    {WordExportCount(), "SELECT count(*) FROM palabras"},
    {WordExportRows(), "SELECT * FROM palabras ORDER BY repPal DESC"},
    {PairExportCount(), "SELECT count(*) FROM siguientes"},
    {PairExportRows(), "SELECT * FROM siguientes ORDER BY repSig DESC"},
};

TEST(StatementsTest, TextsAreExact) {
    for (const TextCase& c : kTexts) EXPECT_EQ(c.actual, c.expected);
}

// A word holding an apostrophe stays one literal: each apostrophe doubled.
const TextCase kQuoted[] = {
    {Quote("l'home"), "l''home"},
    {Quote("'"), "''"},
    {Quote("''x'"), "''''x''"},
    {Quote("'; DROP TABLE palabras; --"), "''; DROP TABLE palabras; --"},
    {Quote("100%_"), "100%_"},
    {Quote(""), ""},
    {DeleteWord("x' OR '1'='1"), "DELETE FROM palabras WHERE pSinAcento = 'x'' OR ''1''=''1';"},
    {InsertPair("it's", "o'", "'o"),
     "INSERT INTO siguientes (palabra, siguiente, sSinAcento, repSig) "
     "VALUES('it''s','''o','o''',1);"},
    {N2("a'", "'b"),
     "SELECT siguiente FROM siguientes WHERE palabra = 'a''' AND sSinAcento LIKE '''b_%' ORDER BY "
     "repSig DESC, siguiente ASC LIMIT 6;"},
};

TEST(StatementsTest, ApostrophesAreDoubled) {
    for (const TextCase& c : kQuoted) EXPECT_EQ(c.actual, c.expected);
}

}  // namespace
