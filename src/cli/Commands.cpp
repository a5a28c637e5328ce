#include "cli/Commands.h"

#include <algorithm>

#include "cli/BookOptions.h"
#include "cli/PdfImport.h"
#include "picture/PictureIntake.h"

namespace pw::cli {

namespace {

const std::string kImportHelp = std::string(BookOptions::helpText()) + ImportOptions::helpText();

// The picture types read, as the intake lists them, wrapped under the options.
std::string pictureTypes()
{
    std::string text = "\nPICTURE: a picture file of these types (in any case of letters):\n ";
    std::size_t line = 1;
    for (const std::string& extension : PictureIntake::acceptedExtensions()) {
        if (line + extension.size() + 2 > 90) {
            text += "\n ";
            line = 1;
        }
        text += " ." + extension;
        line += extension.size() + 2;
    }
    return text + "\nOne that cannot be read is left out with a warning.\n";
}

} // namespace

const std::vector<Command>& commands()
{
    static const std::string kBuildHelp = kImportHelp + pictureTypes();
    static const std::string kPublishHelp =
        std::string(BookOptions::helpText()) +
        "  --project FILE       the book of a saved project: its pages made again from its pictures\n"
        "                       or PDF, its template and values; -o, --name, --title and --app\n"
        "                       override the project's publish choices\n" +
        pictureTypes();
    static const std::vector<Command> table = {
        {"publish", "[options] -o FOLDER PICTURE... | --project FILE [-o FOLDER]",
         "make a book of the pictures, one page each, or of a saved project", kPublishHelp, runPublish},
        {"build", "[options] -o FOLDER PICTURE...", "make a PDF of the pictures, import it and write the book",
         kBuildHelp, runBuild},
        {"import", "[options] -o FOLDER FILE.pdf", "make a book of the pages of a PDF, with its links and bookmarks",
         kImportHelp, runImport},
        {"decode", "BOOK.bin", "print the book configuration document inside a book.bin", "", runDecode},
        {"templates", "[--resources DIR]", "list the templates and their styles",
         "  --resources DIR      the resource folder holding AppFiles/\n", runTemplates},
        {"serve", "FOLDER [--port N]", "show a book folder at http://127.0.0.1 until Ctrl-C",
         "  --port N             the port to listen on (default 8600; 0 picks a free one)\n", runServe},
    };
    return table;
}

const Command* findCommand(std::string_view name)
{
    const auto& table = commands();
    const auto found = std::find_if(table.begin(), table.end(), [name](const Command& c) { return c.name == name; });
    return found == table.end() ? nullptr : &*found;
}

} // namespace pw::cli
