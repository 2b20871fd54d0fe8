// Every SQL text sent to the dictionary, assembled from fixed pieces and the
// words pasted between them. Each word goes through Quote, so a word holding
// an apostrophe stays one literal; words without one (the '!' convention)
// give exactly the fixed texts. In the LIKE patterns '%' and '_' of a word
// still act as wildcards.
//
// Forms of the words: folded = accent-free (pSinAcento, sSinAcento), word =
// stored (palabra, siguiente), first = stored form of the earlier word of a
// pair or ".", prefix = accent-free start of a word.
#pragma once

#include <string>
#include <vector>

namespace statements {

// The word with every apostrophe doubled, for pasting between single quotes.
std::string Quote(const std::string& word);

// Schema.
std::string CreateWordsTable();
std::string CreateSuccessorsTable();

// Indexes that answer the statements below without scanning whole tables,
// one text per table, each creating only what is missing. The prefix
// searches (LIKE is case-insensitive) need NOCASE indexes; the learning and
// deleting lookups compare with '=', which needs the columns' own order.
std::string CreateWordsIndexes();
std::string CreateSuccessorsIndexes();
// The same without the prefix indexes, which are dropped.
std::string CreateWordsLookupIndexes();
std::string CreateSuccessorsLookupIndexes();
// The names of the indexes above on `table` ("palabras" or "siguientes"),
// without those on prefixes unless `withPrefixes`.
std::vector<std::string> IndexNames(const std::string& table, bool withPrefixes);
// Every index above, and those of earlier versions: a file as old ones were.
std::string DropIndexes();

// One finished word and its pair are learned as a unit. A savepoint rather
// than BEGIN, so that it also nests inside a transaction of the caller.
std::string BeginLearning();
std::string EndLearning();
std::string UndoLearning();
// The same as a transaction of its own, begun as a writer.
std::string BeginWriting();
std::string Commit();
std::string Rollback();

// Learning a word.
std::string CountWord(const std::string& folded, const std::string& word);
std::string InsertWord(const std::string& folded, const std::string& word);
std::string IncrementWord(const std::string& folded, const std::string& word);
std::string MaxWordCount(const std::string& folded, const std::string& word);
std::string AgeWords();

// Learning a pair.
std::string CountPair(const std::string& first, const std::string& nextFolded,
                      const std::string& next);
std::string InsertPair(const std::string& first, const std::string& nextFolded,
                       const std::string& next);
std::string IncrementPair(const std::string& first, const std::string& nextFolded,
                          const std::string& next);
std::string MaxPairCount(const std::string& first, const std::string& nextFolded,
                         const std::string& next);
std::string AgePairs();

// Deleting a word: all its accent variants, and every pair it ends.
std::string DeleteWord(const std::string& folded);
std::string DeleteSuccessors(const std::string& folded);

// The counts below (CountFrequentWords, P1, P3, P4, N1, N3, S1, S3) count at
// most six rows, as many as there are keys. CapCounts(false) makes them count
// every row, only to show that no suggestion changes.
void CapCounts(bool capped);

// The most frequent words of at least two characters.
std::string CountFrequentWords();
std::string FrequentWords();

// Prediction: counts and row queries, in pairs.
// Words beginning with prefix (P1/P2; P3 is the count ordered like P2).
std::string P1(const std::string& prefix);
std::string P2(const std::string& prefix);
std::string P3(const std::string& prefix);
// Any word (P4/P5).
std::string P4();
std::string P5();
// Successors of first beginning with prefix (N1/N2).
std::string N1(const std::string& first, const std::string& prefix);
std::string N2(const std::string& first, const std::string& prefix);
// Successors of first of at least two characters (N3/N4).
std::string N3(const std::string& first);
std::string N4(const std::string& first);
// Sentence starters of at least two characters (S1/S2), also the texts of
// LoadSentenceStarters; and those beginning with prefix (S3/S4).
std::string S1();
std::string S2();
std::string S3(const std::string& prefix);
std::string S4(const std::string& prefix);
// A row query above (one that ends in LIMIT 6) that reads up to `rows` rows,
// for a fill that passes over words it may not show again.
std::string WithRowLimit(const std::string& rowQuery, int rows);

// Rows no typing should learn, for the tools and the tests: a word that
// begins with a hyphen (a dash alone too) or is empty, an accent-free form
// holding a capital Ñ or Ç, and pairs with such a word, or whose first word
// holds a blank or is longer than 20 letters. Each row as the table's name,
// the word or the pair's two words, and the count.
std::string JunkRows();
std::string CountJunkRows();

// Whole tables, for the exports: the word table to a chosen file, then
// resultados1.txt (words) and resultados2.txt (pairs).
std::string FileExportCount();
std::string FileExportRows();
std::string WordExportCount();
std::string WordExportRows();
std::string PairExportCount();
std::string PairExportRows();

}  // namespace statements
