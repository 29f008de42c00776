// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The knowledge-base files, spelled as the program spells them: the spelling is part of the
// error message a missing file gives ("Cannot open file Base\Words.dat").
namespace besedka::base_files {

inline constexpr const char* kWords = "Base\\Words.Dat";
inline constexpr const char* kWordsAtExit = "Base\\Words.dat";
inline constexpr const char* kRepeatReplies = "Base\\Povtor.Dat";
inline constexpr const char* kAbuseReplies = "Base\\X.Dat";
inline constexpr const char* kAbuseCollection = "Base\\Collection.Dat";
inline constexpr const char* kLongPhraseReplies = "Base\\BigString.Dat";
inline constexpr const char* kQuestionReplies = "Base\\W1.Dat";
inline constexpr const char* kStatementReplies = "Base\\W2.Dat";
inline constexpr const char* kFollowUpRemarks = "Base\\AI.dat";
inline constexpr const char* kGreetings = "Base\\Begin.dat";
inline constexpr const char* kIdleRemarks = "Base\\Pause.Dat";
inline constexpr const char* kSessionLog = "Base\\Log.Quorel";
inline constexpr const char* kDictionary = "Base\\dictionary.dat";

} // namespace besedka::base_files
