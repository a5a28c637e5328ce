// A project file (.pagewind) as a user might hand over any file: it is refused with a reason or
// opened, and an opened project must save and open again as the same project.

#include "FuzzSupport.h"
#include "base/PagewindException.h"
#include "base/ResourceFolder.h"
#include "project/BookProject.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    pw::fuzz::quietLogging();
    pw::resources::setResourceFolder(std::string(PAGEWIND_SOURCE_RESOURCES));
    const std::string input = pw::fuzz::scratchPath("project-in.pagewind");
    const std::string again = pw::fuzz::scratchPath("project-again.pagewind");
    if (!pw::file::writeFileReplacing(input, pw::fuzz::asText(data, size)))
        pw::fuzz::fail("cannot write the scratch file");
    std::unique_ptr<pw::BookProject> project;
    try {
        project = pw::BookProject::open(input);
    } catch (const pw::PagewindException& refused) {
        if (refused.reason().empty())
            pw::fuzz::fail("a project was refused without a reason");
    }
    if (project) {
        const std::string folder = pw::file::deletingLastPathComponent(input);
        const std::string text = project->projectText(folder);
        pw::fuzz::requireWellFormed(text, "a saved project is not well-formed XML");
        project->saveAs(again);
        if (pw::BookProject::open(again)->projectText(folder) != text)
            pw::fuzz::fail("a project changes when saved and opened again");
    }
    pw::file::removeAll(input);
    pw::file::removeAll(again);
    return 0;
}
