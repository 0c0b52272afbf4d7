// "hooks install|remove|status" against each agent's configuration in a home folder
// of the test's own.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "client_sandbox.h"
#include "cli/hook_entry.h"
#include "platform/files.h"
#include "platform/user_paths.h"
#include "temp_appdata.h"

namespace burrowly {
namespace {

using testing::run_command;
using testing::set_env;

// HOME and USERPROFILE name a fresh folder; the agents' own folder variables are unset.
class TempHome {
 public:
  TempHome() {
    for (const char* name : kVariables) saved_.push_back(std::getenv(name) ? std::optional<std::string>(std::getenv(name)) : std::nullopt);
    for (const char* name : kVariables) set_env(name, std::nullopt);
    set_env("HOME", folder_.root());
    set_env("USERPROFILE", folder_.root());
  }
  ~TempHome() {
    for (std::size_t i = 0; i < std::size(kVariables); ++i) set_env(kVariables[i], saved_[i]);
  }
  std::string path(std::initializer_list<std::string_view> parts) const {
    std::string path = folder_.root();
    for (std::string_view part : parts) path = join_path(path, part);
    return path;
  }

 private:
  static constexpr const char* kVariables[] = {"HOME", "USERPROFILE", "CLAUDE_CONFIG_DIR", "CODEX_HOME",
                                               "XDG_CONFIG_HOME"};
  testing::TempAppData folder_;
  std::vector<std::optional<std::string>> saved_;
};

std::string our_command(HookAgent agent) {
  return hook_command_line(executable_path().value(), agent, kPathSeparator == '\\');
}

void write(const std::string& path, const std::string& text) {
  create_directories(path.substr(0, path.find_last_of(kPathSeparator)));
  ASSERT_TRUE(write_file_atomic(path, text));
}

testing::CommandRun hooks(const std::string& action, const std::string& agent = "") {
  return run_command(agent.empty() ? std::vector<std::string>{"hooks", action}
                                   : std::vector<std::string>{"hooks", action, agent});
}

// The commands of every hook entry of an event in a JSON settings file.
std::vector<std::string> json_commands(const std::string& text, const std::string& event) {
  std::vector<std::string> commands;
  const nlohmann::json settings = nlohmann::json::parse(text);
  for (const auto& group : settings["hooks"][event])
    for (const auto& entry : group["hooks"]) commands.push_back(entry["command"]);
  return commands;
}

TEST(HooksInstall, ClaudeIntoMissingFileThenOut) {
  TempHome home;
  const std::string file = home.path({".claude", "settings.json"});
  testing::CommandRun r = hooks("install", "claude");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "Claude Code is connected in " + file + ".\n");
  const std::string entry = "{\n        \"hooks\": [\n          {\n            \"type\": \"command\",\n"
                            "            \"command\": " + nlohmann::json(our_command(HookAgent::claude)).dump() +
                            "\n          }\n        ]\n      }";
  EXPECT_EQ(read_file(file), "{\n  \"hooks\": {\n    \"Stop\": [\n      " + entry + "\n    ],\n    \"Notification\": [\n      " +
                                 entry + "\n    ]\n  }\n}\n");
  EXPECT_FALSE(path_exists(file + ".bak"));

  r = hooks("remove", "claude");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "Claude Code is no longer connected in " + file + ".\n");
  EXPECT_EQ(read_file(file), "{}\n");
}

TEST(HooksInstall, JsonSettingsKeepEverythingElse) {
  TempHome home;
  // Four-space indentation, other hooks and settings, keys out of alphabetical order.
  const std::string original = nlohmann::ordered_json::parse(R"json({
      "model": "opus",
      "hooks": {"Stop": [{"hooks": [{"type": "command", "command": "notify-send done"}]}],
                "PreToolUse": [{"matcher": "Bash", "hooks": [{"type": "command", "command": "audit"}]}],
                "Notification": [{"matcher": "x", "hooks": [{"type": "command", "command": "beep"},
                                                            {"type": "command", "command": "/old/Burrowly.exe hook claude"}]}]},
      "permissions": {"allow": ["Bash(ls:*)"]}, "env": {"A": "é"}})json").dump(4) + "\n";
  const std::string file = home.path({".claude", "settings.json"});
  write(file, original);

  ASSERT_EQ(hooks("install", "claude").status, 0);
  const std::string installed = read_file(file).value();
  EXPECT_EQ(read_file(file + ".bak"), original);
  EXPECT_NE(installed.find("\n    \"model\": \"opus\",\n    \"hooks\""), std::string::npos) << installed;
  EXPECT_NE(installed.find("\"A\": \"é\""), std::string::npos);
  EXPECT_EQ(json_commands(installed, "Stop"), (std::vector<std::string>{"notify-send done", our_command(HookAgent::claude)}));
  // The entry for an older location of the program is replaced, the user's own kept.
  EXPECT_EQ(json_commands(installed, "Notification"), (std::vector<std::string>{"beep", our_command(HookAgent::claude)}));
  EXPECT_EQ(json_commands(installed, "PreToolUse"), std::vector<std::string>{"audit"});

  testing::CommandRun again = hooks("install", "claude");
  EXPECT_EQ(again.out, "Claude Code is already connected in " + file + ".\n");
  EXPECT_EQ(read_file(file), installed);

  ASSERT_EQ(hooks("remove", "claude").status, 0);
  const std::string removed = read_file(file).value();
  EXPECT_EQ(read_file(file + ".bak"), installed);
  EXPECT_EQ(json_commands(removed, "Stop"), std::vector<std::string>{"notify-send done"});
  EXPECT_EQ(json_commands(removed, "Notification"), std::vector<std::string>{"beep"});
  EXPECT_EQ(nlohmann::ordered_json::parse(removed).dump(4) + "\n", removed);
}

TEST(HooksInstall, LinkedSettingsStayLinked) {
  if (kPathSeparator == '\\') GTEST_SKIP() << "links are followed on POSIX systems only";
  TempHome home;
  const std::string target = home.path({"dotfiles", "claude.json"});
  const std::string file = home.path({".claude", "settings.json"});
  write(target, "{}\n");
  create_directories(home.path({".claude"}));
  std::filesystem::create_symlink(target, file);
  ASSERT_EQ(hooks("install", "claude").status, 0);
  EXPECT_TRUE(std::filesystem::is_symlink(file));
  EXPECT_EQ(json_commands(read_file(target).value(), "Stop"), std::vector<std::string>{our_command(HookAgent::claude)});
}

TEST(HooksInstall, GeminiEntriesAreNamedAndKeepHookSettings) {
  TempHome home;
  const std::string file = home.path({".gemini", "settings.json"});
  write(file, "{\n  \"hooks\": {\n    \"enabled\": true\n  },\n  \"theme\": \"Dracula\"\n}\n");
  ASSERT_EQ(hooks("install", "gemini").status, 0);
  const auto settings = nlohmann::ordered_json::parse(read_file(file).value());
  const nlohmann::ordered_json entry = {{"name", "burrowly"}, {"type", "command"}, {"command", our_command(HookAgent::gemini)}};
  const nlohmann::ordered_json groups = nlohmann::ordered_json::array({{{"hooks", nlohmann::ordered_json::array({entry})}}});
  EXPECT_EQ(settings, (nlohmann::ordered_json{{"hooks", {{"enabled", true}, {"AfterAgent", groups}, {"Notification", groups}}},
                                              {"theme", "Dracula"}}));
  ASSERT_EQ(hooks("remove", "gemini").status, 0);
  EXPECT_EQ(read_file(file), "{\n  \"hooks\": {\n    \"enabled\": true\n  },\n  \"theme\": \"Dracula\"\n}\n");
}

TEST(HooksInstall, UnparsableFilesAreRefusedAndLeftAlone) {
  TempHome home;
  const struct {
    const char* agent;
    std::string file;
    const char* text;
  } cases[] = {
      {"claude", home.path({".claude", "settings.json"}), "{\"model\": \"opus\",}\n"},
      {"claude", home.path({".claude", "settings.json"}), "{\"hooks\": [], \"model\": 1}"},
      {"gemini", home.path({".gemini", "settings.json"}), "{\"a\": 1, \"a\": 2}"},
      {"gemini", home.path({".gemini", "settings.json"}), "// comment\n{}"},
      {"codex", home.path({".codex", "config.toml"}), "model = \n"},
      // Our entry in an inline list: this command edits only the tables it writes itself.
      {"codex", home.path({".codex", "config.toml"}),
       "[hooks]\nStop = [{hooks = [{type = \"command\", command = \"/usr/bin/burrowly hook codex\"}]}]\n"},
      {"opencode", home.path({".config", "opencode", "plugins", "burrowly.js"}), "export const Mine = async () => ({});\n"},
  };
  for (const auto& c : cases) {
    write(c.file, c.text);
    for (const char* action : {"install", "remove"}) {
      testing::CommandRun r = hooks(action, c.agent);
      EXPECT_EQ(r.status, 2) << c.agent << ' ' << action << ' ' << c.text;
      EXPECT_EQ(r.out, "");
      EXPECT_TRUE(r.err.starts_with("Cannot change " + c.file + ": ")) << r.err;
      EXPECT_TRUE(r.err.ends_with(". Nothing was written.\n")) << r.err;
      EXPECT_EQ(read_file(c.file), c.text);
      EXPECT_FALSE(path_exists(c.file + ".bak"));
    }
  }
}

TEST(HooksInstall, CodexConfigKeepsItsLinesAndComments) {
  TempHome home;
  const std::string original =
      "# my settings\nmodel = \"gpt-5\"   # the default\n\n[features]\nhooks = true\n\n"
      "[[hooks.Stop]]\n[[hooks.Stop.hooks]]\ntype = \"command\"\ncommand = \"say done\"\n\n"
      "[mcp_servers.docs]\ncommand = \"docs-server\"";
  const std::string file = home.path({".codex", "config.toml"});
  write(file, original);

  ASSERT_EQ(hooks("install", "codex").status, 0);
  const std::string installed = read_file(file).value();
  EXPECT_TRUE(installed.starts_with(original + "\n\n# Burrowly:")) << installed;
  const std::string command = nlohmann::json(our_command(HookAgent::codex)).dump();
  EXPECT_TRUE(installed.ends_with("[[hooks.Stop]]\n[[hooks.Stop.hooks]]\ntype = \"command\"\ncommand = " + command +
                                  "\n\n[[hooks.PermissionRequest]]\n[[hooks.PermissionRequest.hooks]]\n"
                                  "type = \"command\"\ncommand = " + command + "\n"))
      << installed;
  EXPECT_EQ(read_file(file + ".bak"), original);

  EXPECT_EQ(hooks("install", "codex").out, "Codex is already connected in " + file + ".\n");
  EXPECT_EQ(read_file(file), installed);

  ASSERT_EQ(hooks("remove", "codex").status, 0);
  EXPECT_EQ(read_file(file), original + "\n");
}

TEST(HooksInstall, CodexConfigKeepsWindowsLineBreaks) {
  TempHome home;
  const std::string file = home.path({".codex", "config.toml"});
  write(file, "model = \"o3\"\r\n");
  ASSERT_EQ(hooks("install", "codex").status, 0);
  const std::string installed = read_file(file).value();
  std::size_t bare_line_feeds = 0;
  for (std::size_t i = 0; i < installed.size(); ++i) bare_line_feeds += installed[i] == '\n' && (i == 0 || installed[i - 1] != '\r');
  EXPECT_EQ(bare_line_feeds, 0u) << installed;
  ASSERT_EQ(hooks("remove", "codex").status, 0);
  EXPECT_EQ(read_file(file), "model = \"o3\"\r\n");
}

TEST(HooksInstall, CodexEntriesOfAnOlderLocationAreReplaced) {
  TempHome home;
  const std::string file = home.path({".codex", "config.toml"});
  write(file, "model = \"o3\"\nnotify = [\"x\"]\n\n[[hooks.Stop]]\n[[hooks.Stop.hooks]]\ntype = \"command\"\n"
              "command = \"'/old place/burrowly' hook codex\"\n");
  ASSERT_EQ(hooks("install", "codex").status, 0);
  const std::string installed = read_file(file).value();
  EXPECT_EQ(installed.find("/old place/"), std::string::npos) << installed;
  EXPECT_TRUE(installed.starts_with("model = \"o3\"\nnotify = [\"x\"]\n\n# Burrowly:")) << installed;
  EXPECT_NE(hooks("status").out.find("Codex (codex): connected, " + file + "\n"), std::string::npos);
}

TEST(HooksInstall, OpenCodePluginIsOneFileOfOurs) {
  TempHome home;
  const std::string file = home.path({".config", "opencode", "plugins", "burrowly.js"});
  testing::CommandRun r = hooks("install", "opencode");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "OpenCode is connected in " + file + ".\nRestart OpenCode to load the plugin.\n");
  const std::string plugin = read_file(file).value();
  EXPECT_NE(plugin.find("const program = " + nlohmann::json(executable_path().value()).dump() + ";"), std::string::npos);
  EXPECT_NE(plugin.find("hook opencode"), std::string::npos);
  EXPECT_EQ(hooks("install", "opencode").out, "OpenCode is already connected in " + file + ".\n");

  ASSERT_EQ(hooks("remove", "opencode").status, 0);
  EXPECT_FALSE(path_exists(file));
  EXPECT_EQ(read_file(file + ".bak"), plugin);
  EXPECT_EQ(hooks("remove", "opencode").out, "OpenCode was not connected: there is no " + file + ".\n");
}

TEST(HooksInstall, StatusNamesEveryAgent) {
  TempHome home;
  ASSERT_EQ(hooks("install", "gemini").status, 0);
  write(home.path({".codex", "config.toml"}), "[oops");
  testing::CommandRun r = hooks("status");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "Claude Code (claude): not connected, " + home.path({".claude", "settings.json"}) +
                       "\nGemini CLI (gemini): connected, " + home.path({".gemini", "settings.json"}) +
                       "\nCodex (codex): cannot tell: the file does not parse, " + home.path({".codex", "config.toml"}) +
                       "\nOpenCode (opencode): not connected, " +
                       home.path({".config", "opencode", "plugins", "burrowly.js"}) + "\n");
}

TEST(HooksInstall, UsageErrors) {
  TempHome home;
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"hooks"}, {"hooks", "install"}, {"hooks", "install", "cursor"}, {"hooks", "add", "claude"},
           {"hooks", "status", "claude"}}) {
    testing::CommandRun r = run_command(args);
    EXPECT_EQ(r.status, 2) << args.size();
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("Usage: Burrowly.exe hooks install AGENT"), std::string::npos);
  }
  EXPECT_FALSE(path_exists(home.path({".claude"})));
  testing::CommandRun help = run_command({"hooks", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(help.out.starts_with("Usage: Burrowly.exe hooks install AGENT")) << help.out;
}

}  // namespace
}  // namespace burrowly
