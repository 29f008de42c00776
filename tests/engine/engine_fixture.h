// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/turn.h"
#include "platform/core/file_error.h"
#include "tests/support/scripted_random.h"
#include "tests/support/temp_folder.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace besedka::test {

// Tests write their texts in UTF-8; the engine holds Windows-1251.
std::string cp(std::string_view utf8);
std::string utf(std::string_view cp1251Text);

// The message of the FileError that the step throws, "no error" when it throws none.
template <typename Step> std::string fileErrorOf(Step step) {
    try {
        step();
    } catch (const FileError& e) {
        return e.what();
    }
    return "no error";
}

// A fresh folder with an empty Base\ in it. Names are of files in Base\.
class BaseFolder {
public:
    BaseFolder();

    const std::filesystem::path& root() const { return folder_.path(); }
    const TempFolder& folder() const { return folder_; }
    WorkingFolder working() const { return folder_.working(); }
    std::filesystem::path path(const std::string& name) const { return root() / "Base" / name; }
    // Writes Base/<name> as plain Windows-1251 text with CR LF line ends.
    void write(const std::string& name, const std::vector<std::string>& lines) const {
        folder_.writeLines(inBase(name), lines);
    }
    // The lines of Base/<name> as the program reads them, in UTF-8.
    std::vector<std::string> read(const std::string& name) const {
        return folder_.readLines(inBase(name));
    }
    void remove(const std::string& name) const { folder_.remove(inBase(name)); }

    // The example phrase base and one-line reply files whose texts tell them apart.
    void writeExampleBase() const;

private:
    static std::string inBase(const std::string& name) { return "Base/" + name; }

    TempFolder folder_;
};

// Every file of the folder and below, by name, with its bytes.
std::map<std::string, std::string> contentsOf(const std::filesystem::path& folder);

// A besedka-cli command started in the folder and left running; finish() waits for its end.
class Background {
public:
    Background(const BaseFolder& folder, const std::string& command, const std::string& input,
               const std::string& name);
    ~Background() { finish(); }
    Background(const Background&) = delete;
    Background& operator=(const Background&) = delete;

    // The exit status.
    int finish();
    // What the command printed on standard output, once it has finished.
    std::string output() const;

private:
    const BaseFolder& folder_;
    std::string name_;
    FILE* pipe_ = nullptr;
    int status_ = -1;
};

// The example phrase base: a main phrase, a branch under it, an open key, a farewell line.
std::vector<std::string> examplePhraseBase();

// Records what the window is told to do, in order, as readable UTF-8 events.
class RecordingView final : public TurnView {
public:
    void setBusyCursor(bool busy) override { events.push_back(busy ? "busy" : "idle"); }
    void playPhraseSound() override { events.push_back("phrase sound"); }
    void playSystemSound() override { events.push_back("system sound"); }
    void showUserLine(const std::string& phrase) override {
        events.push_back("user " + utf(phrase));
    }
    void showSystemLine(const std::string& line) override { events.push_back("cpu " + utf(line)); }
    void setClosingTimer(bool enabled) override {
        events.push_back(enabled ? "closing on" : "closing off");
    }
    void setFollowUpTimer(bool enabled) override {
        events.push_back(enabled ? "follow-up on" : "follow-up off");
    }

    bool saw(const std::string& event) const;
    std::vector<std::string> events;
};

// The objects the main window owns, with an engine on them, in a fresh Base\ folder.
class EngineTest : public ::testing::Test {
protected:
    EngineTest() { base.writeExampleBase(); }

    // One turn in Cpu\User mode with the given draws, the phrase and the previous line in UTF-8.
    bool say(std::string_view phrase, std::initializer_list<int> draws = {},
             std::string_view previousLine = "");
    std::string reply() const { return utf(engine.state().reply); }
    std::vector<std::string> sessionLines() const;
    std::vector<std::string> workingLines() const;

    BaseFolder base;
    LineList working, session, exchange;
    ScriptedRandom random;
    RecordingView view;
    Engine engine{{working, session, exchange, random, view}, base.working()};
};

} // namespace besedka::test
