#include "driver/random_dialogs.h"

namespace driver {

rt::Answer RandomDialogs::msgBox(const rt::MessageBox& box) {
    ++boxes_;
    ++messages_[box.title + ": " + box.prompt.substr(0, box.prompt.find('\r'))];
    if (box.buttons == rt::Buttons::Ok)
        return rt::Answer::Ok;
    return random_.chance(yesChance) ? rt::Answer::Yes : rt::Answer::No;
}

std::string RandomDialogs::inputBox(const std::string&, const std::string&,
                                    const std::string& preset) {
    ++boxes_;
    switch (random_.below(5)) {
        case 0:
            return "";  // Cancel
        case 1:
            return preset;  // OK on what stands there
        case 2: {
            const std::vector<std::string> words =
                codeWords ? codeWords() : std::vector<std::string>{};
            if (!words.empty())
                return words[random_.below(static_cast<std::uint32_t>(words.size()))];
            return "0";
        }
        default: {
            // Some typing: digits, letters, spaces and an umlaut now and then.
            static const std::string keys[] = {"0", "1", "7", "9", "a", "Q", " ", "ä", "-", "12"};
            std::string typed;
            for (std::uint32_t n = random_.below(6); n > 0; --n) typed += keys[random_.below(10)];
            return typed;
        }
    }
}

std::string RandomDialogs::saveFileName(const std::string&, const std::string& proposedName,
                                        const std::string&) {
    ++boxes_;
    return random_.below(2) == 0 ? "" : "/nirgendwo/" + proposedName;
}

}  // namespace driver
