#include "ed/CommandLine.h"

#include <fstream>

#include "ut/AcUtil.h"

namespace vthost {

CommandLine& commandLine() {
    static CommandLine line;
    return line;
}

CommandLine::Source& CommandLine::top() {
    if (m_sources.empty()) m_sources.push_back(Source("input"));
    return m_sources.back();
}

void CommandLine::queue(const std::string& line) {
    if (m_sources.empty()) m_sources.push_back(Source("input"));
    m_sources.front().lines.push_back(line);
}

void CommandLine::readStandardInput(std::FILE* stream, bool echo) {
    Source source{"standard input"};
    source.stream = stream;
    source.echo = echo;
    if (m_sources.empty())
        m_sources.push_back(std::move(source));
    else
        m_sources.front() = std::move(source);
}

bool CommandLine::pushScript(const std::string& path) {
    std::ifstream file(path);
    if (!file) return false;
    Source source{path};
    source.isScript = true;
    for (std::string line; std::getline(file, line);) source.lines.push_back(line);
    top();
    m_sources.push_back(std::move(source));
    return true;
}

// The source the next answer comes from: answers that ran out and fall through do not count.
std::size_t CommandLine::readingSource() const {
    std::size_t i = m_sources.size();
    while (i > 1 && m_sources[i - 1].fallThrough && !m_sources[i - 1].hasRest &&
           m_sources[i - 1].next >= m_sources[i - 1].lines.size())
        --i;
    return i - 1;
}

bool CommandLine::runningScript() const {
    return !m_sources.empty() && m_sources[readingSource()].isScript;
}

void CommandLine::pushAnswers(const std::vector<std::string>& answers, bool echo, bool fallThrough) {
    top();
    Source source{"arguments"};
    source.lines = answers;
    source.echo = echo;
    source.answers = true;
    source.fallThrough = fallThrough;
    m_sources.push_back(std::move(source));
}

void CommandLine::popTo(std::size_t depth) {
    while (m_sources.size() > depth && m_sources.size() > 1) m_sources.pop_back();
}

bool CommandLine::nextLine(Source& source, std::string& line) {
    if (source.stream != nullptr) {
        line.clear();
        int c;
        while ((c = std::fgetc(source.stream)) != EOF && c != '\n') line.push_back(static_cast<char>(c));
        if (c == EOF && line.empty()) return false;
    } else {
        if (source.next >= source.lines.size()) return false;
        line = source.lines[source.next++];
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    ++source.lineNumber;
    return true;
}

CommandLine::Read CommandLine::take(Source& source, bool wholeLine, std::string& answer) {
    std::string text;
    if (source.hasRest) {
        text = source.rest;
    } else if (!nextLine(source, text)) {
        return Read::kEnd;
    }
    source.hasRest = false;
    source.rest.clear();
    std::size_t space = wholeLine || source.answers ? std::string::npos : text.find(' ');
    if (space != std::string::npos) {
        source.rest = text.substr(space + 1);
        source.hasRest = true;
        text.resize(space);
    }
    answer = text;
    if (source.echo && !m_quiet) acutPrintf("%s", answer.c_str());
    return answer == "^C" ? Read::kCancel : Read::kAnswer;
}

CommandLine::Read CommandLine::read(const std::string& prompt, bool wholeLine, std::string& answer) {
    if (!m_quiet) acutPrintf("%s", prompt.c_str());
    answer.clear();
    Read result = take(top(), wholeLine, answer);
    while (result == Read::kEnd && top().fallThrough && m_sources.size() > 1) {
        m_sources.pop_back();
        result = take(top(), wholeLine, answer);
    }
    if (result != Read::kAnswer) m_cancelled = true;
    return result;
}

CommandLine::Read CommandLine::readCommand(const std::string& prompt, std::string& answer) {
    acutPrintf("%s", prompt.c_str());
    answer.clear();
    for (;;) {
        Read result = take(top(), false, answer);
        if (result != Read::kEnd || m_sources.size() <= 1) return result;
        m_sources.pop_back();
    }
}

void CommandLine::discardRestOfLine() {
    if (m_sources.empty()) return;
    m_sources.back().hasRest = false;
    m_sources.back().rest.clear();
}

std::string CommandLine::takeRestOfLine() {
    if (m_sources.empty() || !m_sources.back().hasRest) return {};
    Source& source = m_sources.back();
    std::string rest = std::move(source.rest);
    source.hasRest = false;
    source.rest.clear();
    if (source.echo && !m_quiet) acutPrintf(" %s", rest.c_str());
    return rest;
}

bool CommandLine::reject(const std::string& message) {
    acutPrintf("\n%s", message.c_str());
    if (!runningScript()) return false;
    std::size_t at = readingSource();
    const Source& script = m_sources[at];
    acutPrintf("\nScript stopped: %s, line %d: %s", script.name.c_str(), script.lineNumber,
               message.c_str());
    m_sources.resize(at);
    m_scriptFailed = true;
    m_cancelled = true;
    return true;
}

void CommandLine::reset() {
    m_sources.clear();
    m_scriptFailed = false;
    m_quiet = false;
    m_cancelled = false;
}

}  // namespace vthost
