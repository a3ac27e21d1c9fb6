// kovel-plangen: compiles a readable plan description into a ".cap" plan file.
//
//   kovel-plangen INPUT.plan OUTPUT.cap
//
// Prints the number of records and the objects the import will make of them; exits with 1
// and a message on a mistake in the description or when the output cannot be written.
#include "plan/PlanDescription.h"

#include <cstdio>
#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: kovel-plangen INPUT.plan OUTPUT.cap\n";
        return 1;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::cerr << argv[1] << ": cannot be read\n";
        return 1;
    }
    PlanWriter writer;
    PlanDescriptionCounts counts;
    std::string error;
    if (!CompilePlanDescription(in, writer, counts, error)) {
        std::cerr << argv[1] << ": " << error << "\n";
        return 1;
    }
    const std::vector<uint8_t> bytes = writer.Bytes();
    // Written under a temporary name and renamed, so a failed run leaves no half file.
    const std::string temp = std::string(argv[2]) + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        if (!out.flush()) {
            std::cerr << temp << ": cannot be written\n";
            std::remove(temp.c_str());
            return 1;
        }
    }
    if (std::rename(temp.c_str(), argv[2]) != 0) {
        std::cerr << argv[2] << ": cannot be written\n";
        std::remove(temp.c_str());
        return 1;
    }
    std::cout << argv[2] << ": " << writer.RecordCount() << " records, " << counts.Objects() << " objects ("
              << counts.lines << " lines, " << counts.polylines << " polylines, " << counts.polygons << " polygons, "
              << counts.texts << " texts)\n";
    return 0;
}
