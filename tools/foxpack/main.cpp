// foxpack <output.vrk> <password> <folder>
// Packs every regular file under <folder> (recursively, paths relative to it
// with forward slashes, in sorted order) into one archive, written atomically.
#include "foxpack/ArchiveWriter.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: foxpack <output.vrk> <password> <folder>\n";
        return 2;
    }
    try {
        foxpack::ArchiveWriter writer(argv[2]);
        writer.AddFolder(argv[3]);
        writer.WriteFile(argv[1]);
    } catch (const std::exception& e) {
        std::cerr << "foxpack: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
