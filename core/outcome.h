#pragma once

// What an engine run shows the user, in order: the window plays the steps back
// one by one, so a warning appears while the fields written before it are
// already on screen. No Qt here.

#include <string>
#include <utility>
#include <vector>

namespace torvel {

struct Step {
    enum class Kind {
        Write,    // set the text of the control named `target` to `text`
        Warning,  // message box "Attention"; the run goes on
        Stop,     // message box "Attention"; the run ends here
        Request,  // ask the window for something it owns (`target` names it, `text` the value)
    };
    Kind kind;
    std::string target;
    std::string text;  // for messages: the lines joined by "\n"
};

class Outcome {
public:
    void write(std::string field, std::string text) {
        steps_.push_back({Step::Kind::Write, std::move(field), std::move(text)});
    }
    void warn(std::string text) { steps_.push_back({Step::Kind::Warning, {}, std::move(text)}); }
    void stop(std::string text) { steps_.push_back({Step::Kind::Stop, {}, std::move(text)}); }
    void request(std::string what, std::string value = {}) {
        steps_.push_back({Step::Kind::Request, std::move(what), std::move(value)});
    }

    const std::vector<Step>& steps() const { return steps_; }
    bool stopped() const { return !steps_.empty() && steps_.back().kind == Step::Kind::Stop; }

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
    std::vector<Step> steps_;
};

}  // namespace torvel
