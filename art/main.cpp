// burrowly-art: generates the embedded art set and renders review sheets.
//   burrowly-art generate OUTDIR
//   burrowly-art contact SPECIES|all OUT.png
//   burrowly-art gallery OUT.png
#include <cstdio>
#include <exception>
#include <string>

#include "contact.h"
#include "generate.h"

int main(int argc, char** argv) {
  try {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "generate" && argc == 3) {
      art::generate_into(argv[2]);
      return 0;
    }
    if (command == "contact" && argc == 4) {
      const std::string key = argv[2];
      art::Image sheet = key == "all" ? art::contact_all() : art::contact_species(key);
      if (sheet.width == 0) {
        std::fprintf(stderr, "burrowly-art: unknown species %s\n", key.c_str());
        return 2;
      }
      art::write_file(argv[3], art::encode_rgba_png(sheet));
      return 0;
    }
    if (command == "gallery" && argc == 3) {
      art::write_file(argv[2], art::encode_rgba_png(art::gallery()));
      return 0;
    }
    std::fprintf(stderr, "usage: burrowly-art generate OUTDIR | burrowly-art contact SPECIES|all OUT.png | "
                         "burrowly-art gallery OUT.png\n");
    return 2;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "burrowly-art: %s\n", e.what());
    return 1;
  }
}
