// Reads arbitrary bytes as doda.ini, reads and parses every key, and checks
// that writing a key is seen by the next read and that the text survives a
// write and a read back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.hpp"
#include "core/settings.hpp"
#include "core/textfile.hpp"

namespace {

using namespace tessel;


const char* const kKeys[] = {
    settingkey::kDefaultColor,     settingkey::kBoardColor1,     settingkey::kBoardColor2,
    settingkey::kDefaultFont,      settingkey::kFixedNumberColor, settingkey::kBigNumberColor,
    settingkey::kCandidateColor,   settingkey::kDefaultHighlight, settingkey::kHighlightColor,
    settingkey::kAutoCheck,
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  SettingsText s;
  s.SetBytes(bytes);

  // Written and read back: the same lines.
  SettingsText again;
  again.SetBytes(s.Bytes());
  CHECK(again.lines() == s.lines());

  for (const char* key : kKeys) {
    const std::string value = s.ReadSetting(key);
    CHECK(value.empty() || (static_cast<unsigned char>(value.front()) > ' ' &&
                            static_cast<unsigned char>(value.back()) > ' '));
    std::string error;
    if (const auto v = ParseSettingInt(value, &error)) {
      CHECK(ParseSettingInt(FormatColour(static_cast<std::uint32_t>(*v))) == v);
    } else {
      CHECK(error == "'" + value + "' is not a valid integer value");
    }
  }

  // A written key is what the next read sees, and at most one line is added.
  for (const char* key : kKeys) {
    const std::size_t before = s.lines().size();
    s.WriteSetting(key, "-1");
    CHECK(s.ReadSetting(key) == "-1");
    CHECK(s.lines().size() <= before + 1);
  }
  return 0;
}
