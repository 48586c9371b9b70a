#pragma once

#include "lib/FileError.h"

#include <QString>

/// The two sets of empty books the word-book menu generates into the grammar folder. Each
/// book's file name begins with the language letter (E, I, F, S, P, G); a name that exists
/// is never replaced: the book gets a number instead. Returns false with what went wrong
/// with the first book that could not be written (the books before it stay).

/// 28 empty composition books of English grammar topics, by group ("00基本" … "23転換").
/// A taken name gets "(n)" after the title: E文の種類(1).utx.
bool CreateGrammarSet(const QString &folder, const QString &letter, FileError *error);

/// 46 empty vocabulary books "辞書（Alpha）", "辞書（あ）" … "辞書（を）", group "辞書". A taken
/// name gets the number before the title (E1辞書（Alpha）.utx), and the group becomes "辞書1".
bool CreateDictionarySet(const QString &folder, const QString &letter, FileError *error);
