#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace besedka::test {

// A fresh working folder, the current directory for its lifetime, as the program finds its
// files beside it: a small knowledge base in Base\ and six short sounds in Sound\.
class WorkFolder {
public:
    WorkFolder();
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    // Writes the lines (given in UTF-8) as plain Windows-1251 text with CR LF line ends.
    void writeLines(const std::string& relative, const std::vector<std::string>& utf8Lines) const;
    // The lines as the program reads them, in UTF-8.
    std::vector<std::string> readLines(const std::string& relative) const;
    std::string readBytes(const std::string& relative) const;
    bool exists(const std::string& relative) const;
    void remove(const std::string& relative) const;

private:
    std::filesystem::path previous_;
    std::filesystem::path root_;
};

} // namespace besedka::test
