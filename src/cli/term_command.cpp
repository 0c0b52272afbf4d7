// "term": a shell prompt hook reports each finished command; failures and slow
// commands reach the pet in the profile's language. The prompt never sees an error.
#include "cli/actions.h"
#include "cli/send_signal.h"
#include "cli/term_report.h"
#include "config/languages.h"
#include "config/profiles.h"
#include "config/ui_strings.h"

namespace burrowly {

int report_term(std::span<const std::string> args, CliIo) {
  const TermArgs term = parse_term_args(args);
  if (!term_worth_reporting(term)) return 0;
  const LoadedProfiles loaded = load_profiles();
  const UiStrings& ui = ui_strings(language_from_code(loaded.config.lang));
  send_signal(term_message(term, ui[Ui::term_done], ui[Ui::term_failed]));
  return 0;
}

}  // namespace burrowly
