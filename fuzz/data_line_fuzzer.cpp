// Any bytes given to the data-line parser yield either nothing or five columns that are all
// found in the line.
#include "convert/data_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    if (const auto values = orvane::ParseDataLine(line)) {
        for (const auto* column :
             {&values->OldPn, &values->NewPn, &values->NewPd, &values->OldMc, &values->NewMc}) {
            if (line.find(*column) == std::string_view::npos) {
                std::abort();
            }
        }
    }
    return 0;
}
