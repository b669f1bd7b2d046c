#pragma once
// The system clipboard, as plain text.

#include "runtime/services.h"

namespace rtqt {

class QtClipboard final : public rt::Clipboard {
  public:
    void clear() override;
    void setText(const std::string& text) override;
};

}  // namespace rtqt
