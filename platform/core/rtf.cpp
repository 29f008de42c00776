// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/rtf.h"

#include "platform/core/cp1251.h"
#include "platform/core/fault_injection.h"

#include <algorithm>
#include <array>
#include <iconv.h>
#include <map>
#include <unordered_map>

namespace besedka::rtf {

namespace {

constexpr int kCp1251 = 1251;
// Deeper groups than this share the state of the deepest one, so memory stays bounded.
constexpr std::size_t kMaxTrackedDepth = 1024;
constexpr long long kParamLimit = 1LL << 30; // parameters beyond it mean nothing to us

using ByteTable = std::array<char, 256>;

// How a byte of a single-byte code page reads in Windows-1251 ('?' where it has no form), through
// the C library's converter; nothing when the converter for the code page cannot be loaded.
std::optional<ByteTable> buildByteTable(int codepage) {
    const std::string name = codepage == 10000 ? "MACINTOSH" : "CP" + std::to_string(codepage);
    iconv_t cd = injectedError(FaultPlace::LoadConverter) != 0
                     ? reinterpret_cast<iconv_t>(-1)
                     : iconv_open("UTF-32LE", name.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    ByteTable table{};
    for (int b = 0; b < 256; ++b)
        table[b] = b < 0x80 ? static_cast<char>(b) : '?';
    for (int b = 0x80; b < 256; ++b) {
        char in = static_cast<char>(b);
        unsigned char out[4] = {};
        char* inPtr = &in;
        char* outPtr = reinterpret_cast<char*>(out);
        std::size_t inLeft = 1;
        std::size_t outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
            continue;
        const char32_t cp = out[0] | (out[1] << 8) | (out[2] << 16) | (char32_t{out[3]} << 24);
        const unsigned char mapped = cp1251::fromUnicode(cp);
        if (mapped != 0)
            table[b] = static_cast<char>(mapped);
    }
    iconv_close(cd);
    return table;
}

int codepageOfCharset(int charset) {
    static const std::unordered_map<int, int> kCharsets = {
        {77, 10000}, {161, 1253}, {162, 1254}, {163, 1258}, {177, 1255}, {178, 1256},
        {186, 1257}, {204, 1251}, {222, 874},  {238, 1250}, {254, 437},  {255, 850}};
    const auto it = kCharsets.find(charset);
    return it == kCharsets.end() ? 0 : it->second; // 0: the document's own code page
}

// What a control word means to a reader that wants only the text.
enum class WordKind : unsigned char {
    Binary,
    Unicode,
    UnicodeSkip,
    AnsiCodepage,
    DocumentCodepage,
    DefaultFont,
    FontTable,
    Font,
    Plain,
    FontCharset,
    FontCodepage,
    IgnoredDestination,
    Symbol,
};

struct WordMeaning {
    WordKind kind;
    int value = 0; // the character of a symbol, the code page of a document setting
};

const WordMeaning* meaningOf(std::string_view word) {
    // The paragraph mark closes every line of a file: it is spared the hash.
    static constexpr WordMeaning kParagraph{WordKind::Symbol, '\n'};
    if (word == "par")
        return &kParagraph;
    static const auto kWords = [] {
        std::unordered_map<std::string_view, WordMeaning> m = {
            {"bin", {WordKind::Binary}},
            {"u", {WordKind::Unicode}},
            {"uc", {WordKind::UnicodeSkip}},
            {"ansicpg", {WordKind::AnsiCodepage}},
            {"ansi", {WordKind::DocumentCodepage, 1252}},
            {"mac", {WordKind::DocumentCodepage, 10000}},
            {"pc", {WordKind::DocumentCodepage, 437}},
            {"pca", {WordKind::DocumentCodepage, 850}},
            {"deff", {WordKind::DefaultFont}},
            {"fonttbl", {WordKind::FontTable}},
            {"f", {WordKind::Font}},
            {"plain", {WordKind::Plain}},
            {"fcharset", {WordKind::FontCharset}},
            {"cpg", {WordKind::FontCodepage}},
        };
        for (std::string_view w : {"colortbl",
                                   "stylesheet",
                                   "info",
                                   "pict",
                                   "header",
                                   "headerl",
                                   "headerr",
                                   "headerf",
                                   "footer",
                                   "footerl",
                                   "footerr",
                                   "footerf",
                                   "footnote",
                                   "annotation",
                                   "atnid",
                                   "atnauthor",
                                   "object",
                                   "objdata",
                                   "themedata",
                                   "colorschememapping",
                                   "latentstyles",
                                   "datastore",
                                   "listtable",
                                   "listoverridetable",
                                   "rsidtbl",
                                   "generator",
                                   "xmlnstbl",
                                   "mmathPr",
                                   "pgdsctbl",
                                   "listtext",
                                   "pntext",
                                   "pntxta",
                                   "pntxtb",
                                   "pn",
                                   "fldinst",
                                   "xe",
                                   "tc",
                                   "filetbl",
                                   "revtbl",
                                   "userprops",
                                   "nonshppict",
                                   "shpinst",
                                   "comment",
                                   "author",
                                   "operator",
                                   "title",
                                   "subject",
                                   "keywords",
                                   "doccomm",
                                   "company",
                                   "template",
                                   "bkmkstart",
                                   "bkmkend",
                                   "docvar",
                                   "wgrffmtfilter",
                                   "fldtype",
                                   "private",
                                   "txe",
                                   "sp",
                                   "sn",
                                   "sv"})
            m.emplace(w, WordMeaning{WordKind::IgnoredDestination});
        // Characters that stand for themselves in Windows-1251.
        const std::pair<std::string_view, char> symbols[] = {
            {"emdash", '\x97'},    {"endash", '\x96'},    {"lquote", '\x91'}, {"rquote", '\x92'},
            {"ldblquote", '\x93'}, {"rdblquote", '\x94'}, {"bullet", '\x95'}, {"emspace", ' '},
            {"enspace", ' '},      {"qmspace", ' '},      {"tab", '\t'},      {"cell", '\t'},
            {"nestcell", '\t'},    {"par", '\n'},         {"line", '\n'},     {"sect", '\n'},
            {"row", '\n'},         {"nestrow", '\n'}};
        for (const auto& [w, c] : symbols)
            m.emplace(w, WordMeaning{WordKind::Symbol, c});
        return m;
    }();
    const auto it = kWords.find(word);
    return it == kWords.end() ? nullptr : &it->second;
}

enum class Destination : unsigned char { Body, FontTable, Skipped };

struct Group {
    Destination destination = Destination::Body;
    unsigned char unicodeSkip = 1; // \ucN: fallback characters after each \uN
    int codepage = 0;              // 0: the document's code page
};

class Reader {
public:
    // Every character of text takes at least one byte of RTF, so the text is written over the
    // bytes already read: it never overtakes the reading position, and needs no second buffer.
    explicit Reader(std::string rtf) : out_(std::move(rtf)), in_(out_) {}

    PlainText run() {
        while (pos_ < in_.size() && !finished_) {
            readTextRun();
            if (pos_ >= in_.size())
                break;
            const char c = in_[pos_++];
            switch (c) {
            case '{':
                openGroup();
                break;
            case '}':
                closeGroup();
                break;
            case '\\':
                controlSequence();
                break;
            case '\r':
            case '\n':
                break;
            default:
                text(c);
            }
        }
        out_.resize(length_);
        return PlainText{std::move(out_), finished_, codepageWithoutConverter_};
    }

private:
    void openGroup() {
        pendingSkip_ = 0;
        if (stack_.size() >= kMaxTrackedDepth) {
            ++untrackedDepth_;
            return;
        }
        stack_.push_back(group_);
    }

    void closeGroup() {
        pendingSkip_ = 0;
        if (untrackedDepth_ > 0) {
            --untrackedDepth_;
            return;
        }
        if (stack_.empty()) {
            finished_ = true; // the document's own group has closed; what follows is not text
            return;
        }
        group_ = stack_.back();
        stack_.pop_back();
        if (stack_.empty())
            finished_ = true;
    }

    void controlSequence() {
        if (pos_ >= in_.size())
            return;
        const char c = in_[pos_];
        if (isLetter(c)) {
            controlWord();
            return;
        }
        ++pos_;
        if (c == '\'') {
            hexByte();
            return;
        }
        if (c == '*') {
            group_.destination = Destination::Skipped;
            return;
        }
        if (consumeFallback())
            return;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            emit(c);
            break;
        case '~':
            emit('\xA0');
            break;
        case '_':
            emit('-');
            break;
        case '\r':
        case '\n':
            emit('\n');
            break;
        default: // \- (optional hyphen) and the rest show nothing
            break;
        }
    }

    void controlWord() {
        const std::size_t start = pos_;
        while (pos_ < in_.size() && isLetter(in_[pos_]))
            ++pos_;
        const std::string_view word = in_.substr(start, pos_ - start);
        const bool negative = pos_ < in_.size() && in_[pos_] == '-';
        if (negative)
            ++pos_;
        const std::size_t digitsStart = pos_;
        long long magnitude = 0;
        while (pos_ < in_.size() && isDigit(in_[pos_])) {
            magnitude = std::min(magnitude * 10 + (in_[pos_] - '0'), kParamLimit);
            ++pos_;
        }
        const bool hasParam = pos_ > digitsStart;
        if (pos_ < in_.size() && in_[pos_] == ' ')
            ++pos_;
        applyWord(word, hasParam, static_cast<int>(negative ? -magnitude : magnitude));
    }

    void applyWord(std::string_view word, bool hasParam, int param) {
        const WordMeaning* meaning = meaningOf(word);
        if (meaning != nullptr && meaning->kind == WordKind::Binary) {
            // Binary data is never text, whatever group it stands in.
            const std::size_t length = hasParam && param > 0 ? static_cast<std::size_t>(param) : 0;
            pos_ += std::min(length, in_.size() - pos_);
            return;
        }
        if (group_.destination == Destination::Skipped)
            return;
        if (meaning == nullptr) {
            consumeFallback(); // an unknown word still counts as one fallback character
            return;
        }
        if (group_.destination == Destination::FontTable) {
            fontTableWord(meaning->kind, param);
            return;
        }
        switch (meaning->kind) {
        case WordKind::Unicode:
            if (!consumeFallback() && hasParam)
                unicodeChar(param);
            break;
        case WordKind::UnicodeSkip:
            group_.unicodeSkip = static_cast<unsigned char>(std::clamp(param, 0, 255));
            break;
        case WordKind::AnsiCodepage:
            if (param > 0)
                documentCodepage_ = param;
            break;
        case WordKind::DocumentCodepage:
            documentCodepage_ = meaning->value;
            break;
        case WordKind::DefaultFont:
            defaultFont_ = param;
            break;
        case WordKind::FontTable:
            group_.destination = Destination::FontTable;
            break;
        case WordKind::IgnoredDestination:
            group_.destination = Destination::Skipped;
            break;
        case WordKind::Font:
            if (!consumeFallback())
                group_.codepage = fontCodepage(param);
            break;
        case WordKind::Plain:
            if (!consumeFallback())
                group_.codepage = fontCodepage(defaultFont_);
            break;
        case WordKind::Symbol:
            if (!consumeFallback())
                emit(static_cast<char>(meaning->value));
            break;
        default:
            break;
        }
    }

    void fontTableWord(WordKind kind, int param) {
        if (kind == WordKind::Font)
            currentFont_ = param;
        else if (kind == WordKind::FontCharset)
            fontCodepages_[currentFont_] = codepageOfCharset(param);
        else if (kind == WordKind::FontCodepage && param > 0)
            fontCodepages_[currentFont_] = param;
    }

    int fontCodepage(int font) const {
        const auto it = fontCodepages_.find(font);
        return it == fontCodepages_.end() ? 0 : it->second;
    }

    // Nearly all of a document is printable text and \'xx escapes in the body: this lane takes
    // them with as few checks as possible and leaves everything else to the general path.
    void readTextRun() {
        if (group_.destination != Destination::Body || pendingSkip_ != 0 ||
            currentCodepage() != kCp1251)
            return;
        const char* p = in_.data() + pos_;
        const char* const end = in_.data() + in_.size();
        char* out = out_.data() + length_;
        while (p < end) {
            const auto c = static_cast<unsigned char>(*p);
            if (c == '\\') {
                if (end - p < 4 || p[1] != '\'')
                    break;
                const int high = hexValue(p[2]);
                const int low = hexValue(p[3]);
                if ((high | low) < 0)
                    break;
                *out++ = static_cast<char>(high * 16 + low);
                p += 4;
            } else if (c >= 0x20 && c != '{' && c != '}') {
                *out++ = static_cast<char>(c);
                ++p;
            } else {
                break;
            }
        }
        pos_ = static_cast<std::size_t>(p - in_.data());
        length_ = static_cast<std::size_t>(out - out_.data());
    }

    void hexByte() {
        int value = 0;
        int digits = 0;
        while (digits < 2 && pos_ < in_.size()) {
            const int v = hexValue(in_[pos_]);
            if (v < 0)
                break;
            value = value * 16 + v;
            ++digits, ++pos_;
        }
        if (consumeFallback() || digits == 0)
            return;
        emit(translate(static_cast<unsigned char>(value)));
    }

    void unicodeChar(int param) {
        const auto code = static_cast<char32_t>(param < 0 ? param + 65536 : param);
        pendingSkip_ = group_.unicodeSkip;
        if (code >= 0xDC00 && code <= 0xDFFF)
            return; // the low half of a pair: its high half already stood for the character
        const unsigned char byte = cp1251::fromUnicode(code);
        emit(byte != 0 ? static_cast<char>(byte) : '?');
    }

    void text(char c) {
        if (consumeFallback())
            return;
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && c != '\t')
            return;
        emit(translate(byte));
    }

    // The characters that follow \uN stand in for it in older readers; they are not text.
    bool consumeFallback() {
        if (pendingSkip_ == 0)
            return false;
        --pendingSkip_;
        return true;
    }

    char translate(unsigned char byte) {
        if (byte < 0x80)
            return static_cast<char>(byte);
        const int codepage = currentCodepage();
        if (codepage == kCp1251)
            return static_cast<char>(byte);
        return tableFor(codepage)[byte];
    }

    int currentCodepage() const {
        return group_.codepage != 0 ? group_.codepage : documentCodepage_;
    }

    const ByteTable& tableFor(int codepage) {
        auto it = tables_.find(codepage);
        if (it == tables_.end()) {
            std::optional<ByteTable> table = buildByteTable(codepage);
            if (!table) {
                codepageWithoutConverter_ = codepage;
                table.emplace();
                table->fill('?');
            }
            it = tables_.emplace(codepage, *table).first;
        }
        return it->second;
    }

    void emit(char c) {
        if (group_.destination == Destination::Body)
            out_[length_++] = c;
    }

    static bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }
    static int hexValue(char c) {
        static constexpr auto kValues = [] {
            std::array<signed char, 256> values{};
            values.fill(-1);
            for (int d = 0; d < 10; ++d)
                values['0' + d] = static_cast<signed char>(d);
            for (int d = 0; d < 6; ++d)
                values['a' + d] = values['A' + d] = static_cast<signed char>(10 + d);
            return values;
        }();
        return kValues[static_cast<unsigned char>(c)];
    }

    std::string out_;
    const std::string_view in_;
    std::size_t pos_ = 0;
    std::size_t length_ = 0;
    Group group_;
    std::vector<Group> stack_;
    std::size_t untrackedDepth_ = 0;
    bool finished_ = false;
    int codepageWithoutConverter_ = 0;
    int pendingSkip_ = 0;
    int documentCodepage_ = 1252;
    int defaultFont_ = 0;
    int currentFont_ = 0;
    std::map<int, int> fontCodepages_;
    std::map<int, ByteTable> tables_;
};

// Nearly every byte of Cyrillic text takes four characters; written into room made beforehand,
// since the phrase base is saved whole at every learning step. Returns the end of what it wrote.
char* writeEscaped(char* to, const std::string& line) {
    static constexpr char kHex[] = "0123456789abcdef";
    for (char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '{' || c == '}') {
            *to++ = '\\';
            *to++ = c;
        } else if (c == '\t') {
            to = std::copy_n("\\tab ", 5, to);
        } else if (byte >= 0x80 || byte < 0x20) {
            *to++ = '\\';
            *to++ = '\'';
            *to++ = kHex[byte >> 4];
            *to++ = kHex[byte & 0x0F];
        } else {
            *to++ = c;
        }
    }
    return to;
}

} // namespace

bool isRtf(std::string_view bytes) {
    return bytes.starts_with("{\\rtf");
}

PlainText plainText(std::string rtf) {
    return Reader(std::move(rtf)).run();
}

std::string write(const std::vector<std::string>& lines) {
    static constexpr std::string_view kHeader =
        "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049{\\fonttbl{\\f0\\fnil\\fcharset204 "
        "MS Sans Serif;}}\r\n\\viewkind4\\uc1\\pard\\f0\\fs16 ";
    static constexpr std::string_view kParagraphEnd = "\\par\r\n";
    static constexpr std::string_view kDocumentEnd = "}\r\n";
    // A tab, the longest escape, takes five characters.
    std::size_t room = kHeader.size() + kDocumentEnd.size();
    for (const auto& line : lines)
        room += 5 * line.size() + kParagraphEnd.size();
    std::string out(room, '\0');
    char* to = std::copy(kHeader.begin(), kHeader.end(), out.data());
    for (const auto& line : lines) {
        to = writeEscaped(to, line);
        to = std::copy(kParagraphEnd.begin(), kParagraphEnd.end(), to);
    }
    to = std::copy(kDocumentEnd.begin(), kDocumentEnd.end(), to);
    out.resize(static_cast<std::size_t>(to - out.data()));
    return out;
}

} // namespace besedka::rtf
