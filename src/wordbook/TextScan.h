#pragma once

#include <QStringView>

/// Scans over UTF-16 text that a word-book reader and the search run over every unit of a
/// book: a block of code units at a time where the processor allows, one at a time elsewhere.
namespace TextScan {

/// The first line break (CR or LF) at or after from, or n.
qsizetype FindBreak(const char16_t *data, qsizetype from, qsizetype n);

/// The line breaks in data[from, to): a CR LF pair counts once, as do a lone CR and a lone LF.
/// A pair must not be cut by to (the ranges of the search end at a line's start).
qsizetype CountBreaks(const char16_t *data, qsizetype from, qsizetype to);

/// The first place at or after from where needle stands in data[0, n), or -1. An empty
/// needle is found nowhere.
qsizetype FindText(const char16_t *data, qsizetype from, qsizetype n, QStringView needle);

}  // namespace TextScan
