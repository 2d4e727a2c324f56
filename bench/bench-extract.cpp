// bench-extract ARCHIVE DESTINATION
// Unpacks ARCHIVE below DESTINATION through ExtractArchive, with the debug
// log at its default thresholds (nothing is written on success), as the
// launcher's package extraction runs it. Exit status 0 on success.
#include "extractor.h"
#include "ui-text.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: %s ARCHIVE DESTINATION\n", argv[0]);
        return 2;
    }
    QCoreApplication app(argc, argv);
    InitUITextTable();

    ExtractRequest request;
    request.archive = argv[1];
    request.destination = argv[2];
    return ExtractArchive(request) == 0 ? 0 : 1;
}
