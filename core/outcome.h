#pragma once

// What an engine run shows the user, in order: the window plays the steps back
// one by one, so a warning appears while the fields written before it are
// already on screen. Every engine reports this way, failures included: a run
// that fails ends in a stop step and writes nothing after it. No Qt here.

#include <string>
#include <utility>
#include <vector>

namespace torvel {

struct Step {
    enum class Kind {
        Write,     // a result: the text of the control named `target` becomes `text`
        SetInput,  // an entry or a list the run corrects: its text becomes `text`
        Focus,     // the control named `target` takes the focus
        Warning,   // message box "Attention"; the run goes on
        Stop,      // message box "Attention"; the run ends here
    };
    Kind kind;
    std::string target;
    std::string text;  // for messages: the lines joined by "\n"
};

class Outcome {
  public:
    void write(std::string field, std::string text) {
        add(Step::Kind::Write, std::move(field), std::move(text));
    }
    void setInput(std::string field, std::string text) {
        add(Step::Kind::SetInput, std::move(field), std::move(text));
    }
    void focus(std::string field) { add(Step::Kind::Focus, std::move(field), {}); }
    void warn(std::string text) { add(Step::Kind::Warning, {}, std::move(text)); }
    void stop(std::string text) { add(Step::Kind::Stop, {}, std::move(text)); }
    // Asks for the calculation to run again from the start once this outcome is
    // played back (after the inputs it corrected).
    void rerun() { rerun_ = true; }

    const std::vector<Step>& steps() const { return steps_; }
    bool stopped() const { return !steps_.empty() && steps_.back().kind == Step::Kind::Stop; }
    bool rerunRequested() const { return rerun_; }

    // The message texts (warnings and stops) in order: handy in tests.
    std::vector<std::string> messages() const {
        std::vector<std::string> out;
        for (const auto& s : steps_)
            if (s.kind == Step::Kind::Warning || s.kind == Step::Kind::Stop) out.push_back(s.text);
        return out;
    }
    // The last text written to a field, or nullptr when the run did not write it.
    const std::string* written(const std::string& field) const {
        const std::string* found = nullptr;
        for (const auto& s : steps_)
            if (s.kind == Step::Kind::Write && s.target == field) found = &s.text;
        return found;
    }

  private:
    void add(Step::Kind kind, std::string target, std::string text) {
        steps_.push_back({kind, std::move(target), std::move(text)});
    }

    std::vector<Step> steps_;
    bool rerun_ = false;
};

}  // namespace torvel
