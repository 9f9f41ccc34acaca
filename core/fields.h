#pragma once

// The texts of a window's named boxes and lists, read once: what a calculation
// and its report take their entries from. A name the window lacks reads "".

#include <map>
#include <string>
#include <string_view>

namespace torvel {

class Fields {
  public:
    void set(std::string name, std::string text) { texts_[std::move(name)] = std::move(text); }
    const std::string& operator[](std::string_view name) const {
        static const std::string none;
        const auto it = texts_.find(name);
        return it == texts_.end() ? none : it->second;
    }
    bool has(std::string_view name) const { return texts_.find(name) != texts_.end(); }

  private:
    std::map<std::string, std::string, std::less<>> texts_;
};

}  // namespace torvel
