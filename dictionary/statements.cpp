#include "dictionary/statements.h"

#include <string>
#include <vector>

namespace statements {

namespace {

bool countsCapped = true;

// count(column) of the rows of `table` that meet `condition`. The fill
// compares a count only with the indexes of the six keys, so the count may
// stop at six rows, which an index finds without reading every match.
// count() passes over NULLs, and so must the six rows.
std::string countOf(const std::string& column, const std::string& table,
                    const std::string& condition) {
    if (!countsCapped)
        return "SELECT count(" + column + ") FROM " + table + " WHERE " + condition + ";";
    return "SELECT count(" + column + ") FROM (SELECT " + column + " FROM " + table + " WHERE " +
           condition + " AND " + column + " IS NOT NULL LIMIT 6);";
}

}  // namespace

void CapCounts(bool capped) { countsCapped = capped; }

std::string WithRowLimit(const std::string& rowQuery, int rows) {
    const std::string six = " LIMIT 6;";
    if (rowQuery.size() < six.size() ||
        rowQuery.compare(rowQuery.size() - six.size(), six.size(), six) != 0)
        return rowQuery;
    return rowQuery.substr(0, rowQuery.size() - six.size()) + " LIMIT " + std::to_string(rows) +
           ";";
}

std::string Quote(const std::string& word) {
    std::string quoted;
    quoted.reserve(word.size());
    for (char c : word) {
        quoted += c;
        if (c == '\'') quoted += '\'';
    }
    return quoted;
}

std::string CreateWordsTable() {
    return "create table palabras(palabra char(40), pSinAcento char(40), repPal int);";
}

std::string CreateSuccessorsTable() {
    return "create table siguientes(palabra char(40), siguiente char(40), sSinAcento char(40), "
           "repSig int);";
}

namespace {

// The indexes both sets share: the lookups of learning and deleting, and the
// most frequent words and successors in the order the rows are read, so that
// the first six come without sorting. No index has a WHERE clause: one with
// LIKE in it is read differently by different SQLite versions, and the
// successors' order index of earlier files, which had one, is dropped.
const char* const kWordsLookupIndexes =
    "CREATE INDEX IF NOT EXISTS palabras_forma ON palabras(pSinAcento, palabra, repPal);"
    "CREATE INDEX IF NOT EXISTS palabras_frecuencia ON palabras(repPal DESC, palabra, "
    "pSinAcento);";
const char* const kSuccessorsLookupIndexes =
    "CREATE INDEX IF NOT EXISTS siguientes_forma ON siguientes(sSinAcento, palabra, siguiente, "
    "repSig);"
    "DROP INDEX IF EXISTS siguientes_frecuencia;"
    "CREATE INDEX IF NOT EXISTS siguientes_orden ON siguientes(palabra, repSig DESC, "
    "siguiente);";

}  // namespace

std::string CreateWordsIndexes() {
    return std::string(
               "CREATE INDEX IF NOT EXISTS palabras_prefijo ON palabras(pSinAcento "
               "COLLATE NOCASE, repPal, palabra);") +
           kWordsLookupIndexes;
}

std::string CreateWordsLookupIndexes() {
    return std::string("DROP INDEX IF EXISTS palabras_prefijo;") + kWordsLookupIndexes;
}

std::string CreateSuccessorsIndexes() {
    return std::string(
               "CREATE INDEX IF NOT EXISTS siguientes_prefijo ON siguientes(palabra, "
               "sSinAcento COLLATE NOCASE, repSig, siguiente);") +
           kSuccessorsLookupIndexes;
}

std::string CreateSuccessorsLookupIndexes() {
    return std::string("DROP INDEX IF EXISTS siguientes_prefijo;") + kSuccessorsLookupIndexes;
}

std::vector<std::string> IndexNames(const std::string& table, bool withPrefixes) {
    std::vector<std::string> names;
    if (table == "palabras") names = {"palabras_forma", "palabras_frecuencia"};
    if (table == "siguientes") names = {"siguientes_forma", "siguientes_orden"};
    if (withPrefixes && !names.empty()) names.push_back(table + "_prefijo");
    return names;
}

std::string DropIndexes() {
    // The successors' order index of earlier versions had a LIKE clause.
    std::string sql = "DROP INDEX IF EXISTS siguientes_frecuencia;";
    for (const char* table : {"palabras", "siguientes"})
        for (const std::string& name : IndexNames(table, true))
            sql += "DROP INDEX IF EXISTS " + name + ";";
    return sql;
}

std::string BeginLearning() { return "SAVEPOINT aprender;"; }

std::string EndLearning() { return "RELEASE aprender;"; }

std::string UndoLearning() { return "ROLLBACK TO aprender; RELEASE aprender;"; }

std::string BeginWriting() { return "BEGIN IMMEDIATE;"; }

std::string Commit() { return "COMMIT;"; }

std::string Rollback() { return "ROLLBACK;"; }

std::string CountWord(const std::string& folded, const std::string& word) {
    return "SELECT count(palabra) FROM palabras WHERE pSinAcento = '" + Quote(folded) +
           "' AND palabra = '" + Quote(word) + "' ORDER BY repPal DESC;";
}

std::string InsertWord(const std::string& folded, const std::string& word) {
    // The columns by name: a foreign file may hold them in another order.
    return "INSERT INTO palabras (palabra, pSinAcento, repPal) VALUES('" + Quote(word) + "','" +
           Quote(folded) + "',1);";
}

std::string IncrementWord(const std::string& folded, const std::string& word) {
    return "UPDATE palabras SET repPal=repPal+1 WHERE pSinAcento ='" + Quote(folded) +
           "' AND palabra = '" + Quote(word) + "';";
}

std::string MaxWordCount(const std::string& folded, const std::string& word) {
    return "SELECT MAX(repPal) FROM palabras WHERE pSinAcento = '" + Quote(folded) +
           "' AND palabra = '" + Quote(word) + "' ORDER BY repPal DESC;";
}

// A count beyond the limit (only an edited or foreign file holds one) ages
// as one at the limit: once, not again on every use.
std::string AgeWords() { return "UPDATE palabras SET repPal = min(repPal, 2147483646)/2;"; }

std::string CountPair(const std::string& first, const std::string& nextFolded,
                      const std::string& next) {
    return "SELECT count(siguiente) FROM siguientes WHERE sSinAcento = '" + Quote(nextFolded) +
           "' AND palabra = '" + Quote(first) + "' AND siguiente = '" + Quote(next) +
           "' ORDER BY repSig DESC;";
}

std::string InsertPair(const std::string& first, const std::string& nextFolded,
                       const std::string& next) {
    return "INSERT INTO siguientes (palabra, siguiente, sSinAcento, repSig) VALUES('" +
           Quote(first) + "','" + Quote(next) + "','" + Quote(nextFolded) + "',1);";
}

std::string IncrementPair(const std::string& first, const std::string& nextFolded,
                          const std::string& next) {
    return "UPDATE siguientes SET repSig=repSig+1 WHERE sSinAcento ='" + Quote(nextFolded) +
           "' AND palabra = '" + Quote(first) + "' AND siguiente = '" + Quote(next) + "';";
}

std::string MaxPairCount(const std::string& first, const std::string& nextFolded,
                         const std::string& next) {
    return "SELECT MAX(repSig) FROM siguientes WHERE sSinAcento = '" + Quote(nextFolded) +
           "' AND palabra = '" + Quote(first) + "' AND siguiente = '" + Quote(next) +
           "' ORDER BY repSig DESC;";
}

std::string AgePairs() { return "UPDATE siguientes SET repSig = min(repSig, 2147483646)/2;"; }

std::string DeleteWord(const std::string& folded) {
    return "DELETE FROM palabras WHERE pSinAcento = '" + Quote(folded) + "';";
}

std::string DeleteSuccessors(const std::string& folded) {
    return "DELETE FROM siguientes WHERE sSinAcento = '" + Quote(folded) + "';";
}

std::string CountFrequentWords() { return countOf("palabra", "palabras", "pSinAcento LIKE '__%'"); }

std::string FrequentWords() {
    return "SELECT palabra FROM palabras WHERE pSinAcento LIKE '"
           "__%' ORDER BY repPal DESC, palabra ASC LIMIT 6;";
}

std::string P1(const std::string& prefix) {
    return countOf("palabra", "palabras", "pSinAcento LIKE '" + Quote(prefix) + "_%'");
}

std::string P2(const std::string& prefix) {
    return "SELECT palabra FROM palabras WHERE pSinAcento LIKE '" + Quote(prefix) +
           "_%' ORDER BY repPal DESC, palabra ASC LIMIT 6;";
}

// Once P1 with an ORDER BY that changed nothing.
std::string P3(const std::string& prefix) { return P1(prefix); }

std::string P4() { return countOf("palabra", "palabras", "pSinAcento LIKE '_%'"); }

std::string P5() {
    return "SELECT palabra FROM palabras WHERE pSinAcento LIKE '_%'"
           " ORDER BY repPal DESC, palabra ASC LIMIT 6;";
}

std::string N1(const std::string& first, const std::string& prefix) {
    return countOf(
        "siguiente", "siguientes",
        "palabra = '" + Quote(first) + "' AND sSinAcento LIKE '" + Quote(prefix) + "_%'");
}

std::string N2(const std::string& first, const std::string& prefix) {
    return "SELECT siguiente FROM siguientes WHERE palabra = '" + Quote(first) +
           "' AND sSinAcento LIKE '" + Quote(prefix) +
           "_%' ORDER BY repSig DESC, siguiente ASC LIMIT 6;";
}

std::string N3(const std::string& first) {
    return countOf("siguiente", "siguientes",
                   "palabra = '" + Quote(first) + "' AND sSinAcento LIKE '__%'");
}

std::string N4(const std::string& first) {
    return "SELECT siguiente FROM siguientes WHERE palabra = '" + Quote(first) +
           "' AND sSinAcento LIKE '__%' ORDER BY repSig DESC, siguiente ASC LIMIT 6;";
}

std::string S1() {
    return countOf("siguiente", "siguientes", "palabra = '.' AND sSinAcento LIKE '__%'");
}

std::string S2() {
    return "SELECT siguiente FROM siguientes WHERE palabra = '.'"
           " AND sSinAcento LIKE '__%' ORDER BY repSig DESC, siguiente ASC LIMIT 6;";
}

std::string S3(const std::string& prefix) {
    return countOf("siguiente", "siguientes",
                   "palabra = '.' AND sSinAcento LIKE '" + Quote(prefix) + "_%'");
}

std::string S4(const std::string& prefix) {
    return "SELECT siguiente FROM siguientes WHERE palabra = '.'"
           " AND sSinAcento LIKE '" +
           Quote(prefix) + "_%' ORDER BY repSig DESC, siguiente ASC LIMIT 6;";
}

namespace {

// A word that begins with a hyphen or is empty.
std::string noWord(const std::string& column) {
    return column + " LIKE '-%' OR " + column + " = ''";
}

// Capital N with tilde or C cedilla in an accent-free form, byte for byte.
std::string capitalInFolded(const std::string& column) {
    return "instr(CAST(" + column + " AS BLOB), X'D1') OR instr(CAST(" + column +
           " AS BLOB), X'C7')";
}

}  // namespace

std::string JunkRows() {
    return "SELECT 'palabras', palabra, repPal FROM palabras WHERE " + noWord("palabra") + " OR " +
           capitalInFolded("pSinAcento") +
           " UNION ALL SELECT 'siguientes', palabra || ' ' || siguiente, repSig FROM siguientes "
           "WHERE " +
           noWord("siguiente") + " OR " + noWord("palabra") + " OR " +
           capitalInFolded("sSinAcento") +
           " OR instr(palabra, ' ') OR length(CAST(palabra AS BLOB)) > 20";
}

std::string CountJunkRows() { return "SELECT count(*) FROM (" + JunkRows() + ");"; }

std::string FileExportCount() { return "SELECT count(palabra) FROM palabras"; }

std::string FileExportRows() { return "SELECT * FROM palabras ORDER BY repPal DESC, palabra ASC"; }

std::string WordExportCount() { return "SELECT count(*) FROM palabras"; }

std::string WordExportRows() { return "SELECT * FROM palabras ORDER BY repPal DESC"; }

std::string PairExportCount() { return "SELECT count(*) FROM siguientes"; }

std::string PairExportRows() { return "SELECT * FROM siguientes ORDER BY repSig DESC"; }

}  // namespace statements
