#include "driver/info_invariants.h"

#include <string>

namespace driver {

std::vector<Invariant> infoInvariants(trainer::Form2& t) {
    return {
        {"the print-lock switch reads 0 or 1",
         [&t]() -> std::string {
             if (!t.ZOBLABEL.exists())
                 return "";
             const int value = t.ZOBLABEL->Kontroll1.value;
             return value == 0 || value == 1 ? "" : "it reads " + std::to_string(value);
         }},
        // Only a click on the shown switch turns it, one event after the window was
        // made at the earliest; so a window not there at the last look is new now.
        {"a new info window has its switch ticked",
         [&t, wasThere = false]() mutable -> std::string {
             const bool there = t.ZOBLABEL.exists();
             const bool isNew = there && !wasThere;
             wasThere = there;
             if (isNew && t.ZOBLABEL->Kontroll1.value != 1)
                 return "it reads " + std::to_string(t.ZOBLABEL->Kontroll1.value);
             return "";
         }},
    };
}

}  // namespace driver
