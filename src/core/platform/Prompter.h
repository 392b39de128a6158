// The one way the core talks to the user outside the main window: message boxes, file dialogs,
// the busy pointer and the help window. Qt implements it; tests script it.
#pragma once

#include <optional>
#include <string>

namespace vantrel {

enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };
enum class Icon { None, Warning };

struct Message {
    std::string text;
    std::string title;
    Buttons buttons = Buttons::Ok;
    Answer defaultButton = Answer::Ok;
    Icon icon = Icon::None;

    bool operator==(const Message&) const = default;
};

// What a Save dialog is for: File New names the file that a later Save writes, Save As the file
// it writes at once.
enum class SaveDialog { New, SaveAs };

// The title of messages that name no title of their own.
inline constexpr const char* programTitle = "Vantrel";

// The filter of the Open and Save dialogs: description|pattern pairs, each prompter turning them
// into its own dialog's form.
inline constexpr const char* configFileFilter = "Config Files (*.cfg)|*.cfg|All Files (*.*)|*.*";

class Prompter {
  public:
    virtual ~Prompter() = default;

    virtual Answer message(const Message& message) = 0;
    // The chosen path, or no value on Cancel.
    virtual std::optional<std::string> openFileName(const std::string& filter) = 0;
    virtual std::optional<std::string> saveFileName(const std::string& filter, SaveDialog purpose) = 0;
    virtual void setBusy(bool busy) = 0;
    // Shows the help window modally; it reads the editor's help section itself.
    virtual void showHelp() = 0;
};

} // namespace vantrel
