#pragma once
// Message boxes and input boxes answered at random, as a child answers them: Yes
// or No to every question, and into an input box nothing, some typing, or now and
// then the code word the program would accept.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "driver/split_mix.h"
#include "runtime/services.h"

namespace driver {

class RandomDialogs : public rt::Dialogs {
  public:
    // How often a Yes/No question is answered Yes, 0 to 1.
    double yesChance = 0.5;
    // The code words the program accepts at this moment.
    std::function<std::vector<std::string>()> codeWords;

    // Every event brings its own answers, so that an event keeps them when others
    // are taken out of a failing list.
    void beginEvent(std::uint64_t answerSeed) { random_ = SplitMix(answerSeed); }

    rt::Answer msgBox(const rt::MessageBox& box) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& preset) override;
    // Cancelled, or a made-up path: the driver's printer writes nothing.
    std::string saveFileName(const std::string& title, const std::string& proposedName,
                             const std::string& fileType) override;

    long long boxesShown() const { return boxes_; }
    // Message boxes by title and first line: which ones a run reached.
    const std::map<std::string, long long>& messages() const { return messages_; }

  private:
    SplitMix random_{0};
    long long boxes_ = 0;
    std::map<std::string, long long> messages_;
};

}  // namespace driver
