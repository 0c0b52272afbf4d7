#include <fontconfig/fontconfig.h>

#include <strings.h>

#include "platform/files.h"
#include "platform/system_font.h"

namespace burrowly {
namespace {

// The file of an installed font of exactly this family; fontconfig would otherwise
// offer its nearest substitute.
std::optional<std::string> font_file_of(FcConfig* config, const char* family) {
  FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(family));
  if (!pattern) return std::nullopt;
  FcConfigSubstitute(config, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(config, pattern, &result);
  FcPatternDestroy(pattern);
  if (!match) return std::nullopt;
  std::optional<std::string> file;
  FcChar8* found_family = nullptr;
  FcChar8* path = nullptr;
  if (FcPatternGetString(match, FC_FAMILY, 0, &found_family) == FcResultMatch &&
      strcasecmp(reinterpret_cast<const char*>(found_family), family) == 0 &&
      FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch)
    file = reinterpret_cast<const char*>(path);
  FcPatternDestroy(match);
  return file;
}

}  // namespace

std::optional<std::string> read_system_ui_font() {
  FcConfig* config = FcInitLoadConfigAndFonts();
  if (!config) return std::nullopt;
  std::optional<std::string> bytes;
  for (const char* family : {"DejaVu Sans", "Noto Sans", "Liberation Sans"}) {
    if (std::optional<std::string> file = font_file_of(config, family)) bytes = read_file(*file);
    if (bytes) break;
  }
  FcConfigDestroy(config);
  return bytes;
}

}  // namespace burrowly
