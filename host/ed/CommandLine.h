// vthost::CommandLine: the one input source of the session. Every prompt (the Command prompt, the
// input functions, selection) reads its answer here, from a stack of sources: the test queue or
// standard input at the bottom, scripts above. As in the host's scripts, a space ends an answer
// except where a whole line is asked for (texts), and an empty answer is Enter. Sources that are
// not a terminal echo each answer after its prompt, so that a run reads as a transcript. "^C"
// cancels. A script stops at the first error, naming its file and line. Host-internal.
#pragma once
#include <cstdio>
#include <string>
#include <vector>

namespace vthost {

class CommandLine {
public:
    enum class Read { kAnswer, kCancel, kEnd };

    // Adds a line to the bottom source, the queue that tests fill.
    void queue(const std::string& line);
    // Makes standard input the bottom source (its lines are echoed when it is not a terminal).
    void readStandardInput(std::FILE* stream, bool echo);
    // A script runs above whatever is reading now; false when the file cannot be read.
    bool pushScript(const std::string& path);
    bool runningScript() const;
    // Answers given in advance, one per prompt (acedCommand's arguments). When they run out the
    // next prompt ends (kEnd), or with fallThrough reads on from the source below.
    void pushAnswers(const std::vector<std::string>& answers, bool echo, bool fallThrough);
    std::size_t depth() const { return m_sources.size(); }
    // Drops the sources above depth (what is left of a command's answers once it ends).
    void popTo(std::size_t depth);
    // Prompts and answers are not printed while quiet (acedCommand with CMDECHO 0).
    void setQuiet(bool quiet) { m_quiet = quiet; }
    bool quiet() const { return m_quiet; }
    // Set when a prompt was cancelled or its input ran out; the command runner reads and clears it.
    bool takeCancelled() { bool was = m_cancelled; m_cancelled = false; return was; }

    // Prints the prompt and reads an answer from the top source. kEnd when that source has run
    // out (the source stays until the Command prompt drops it).
    Read read(const std::string& prompt, bool wholeLine, std::string& answer);
    // The Command prompt: like read, but a source that has run out makes way for the one below;
    // kEnd only when the bottom source has run out.
    Read readCommand(const std::string& prompt, std::string& answer);
    // Drops what is left of the line the last answer came from (after an error or a cancel).
    void discardRestOfLine();
    // Takes what is left of the line the last answer came from, echoed as answers are (a LISP
    // expression typed at the Command prompt reads on to the end of its line).
    std::string takeRestOfLine();

    // Bad input: prints the message; in a script also stops the script with its file and line
    // and answers true (the caller cancels). Interactively answers false (the caller asks again).
    bool reject(const std::string& message);
    // True once a script stopped at an error (the host program then exits with 1).
    bool scriptFailed() const { return m_scriptFailed; }
    void clearScriptFailure() { m_scriptFailed = false; }
    // Drops every source and everything queued (tests start from nothing).
    void reset();

private:
    struct Source {
        explicit Source(std::string sourceName = "") : name(std::move(sourceName)) {}
        std::string name;
        std::vector<std::string> lines;
        std::size_t next = 0;
        std::FILE* stream = nullptr;
        bool echo = true;
        bool isScript = false;
        bool answers = false;
        bool fallThrough = false;
        int lineNumber = 0;
        std::string rest;
        bool hasRest = false;
    };
    bool nextLine(Source& source, std::string& line);
    Read take(Source& source, bool wholeLine, std::string& answer);
    Source& top();
    std::size_t readingSource() const;

    std::vector<Source> m_sources;
    bool m_scriptFailed = false;
    bool m_quiet = false;
    bool m_cancelled = false;
};

CommandLine& commandLine();

}  // namespace vthost
