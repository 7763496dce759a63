// Prints the key state of each virtual-key code named on the command line,
// one line per code, as "<code> <state as unsigned 16-bit hex>". A "-" waits
// for a line on standard input first, so that a script can press keys
// between two queries of the same process.
#include "platform/keystate/X11KeyState.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    quorvex::platform::X11KeyState keys;
    if (!keys.isConnected())
        return 2;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-") == 0) {
            std::string line;
            if (!std::getline(std::cin, line))
                return 3;
            continue;
        }
        const int code = std::atoi(argv[i]);
        std::printf("%d %04x\n", code, static_cast<unsigned>(static_cast<std::uint16_t>(keys.asyncKeyState(code))));
        std::fflush(stdout);
    }
    return 0;
}
