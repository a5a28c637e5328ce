// pw-bench-build-pdf OUT.pdf PICTURE...: the build action's PDF making alone (pictures into a
// PDF, one page each), to time against img2pdf.

#include <iostream>
#include <string>
#include <vector>

#include "base/PagewindException.h"
#include "pdf/PictureDocumentBuilder.h"

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << "usage: pw-bench-build-pdf OUT.pdf PICTURE...\n";
        return 2;
    }
    try {
        pw::PictureDocumentBuilder builder;
        for (int i = 2; i < argc; ++i)
            builder.addPicture(argv[i]);
        builder.writeToFile(argv[1]);
    } catch (const pw::PagewindException& e) {
        std::cerr << e.reason() << "\n";
        return 1;
    }
    return 0;
}
