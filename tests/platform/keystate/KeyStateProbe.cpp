// Prints the key state of each virtual-key code named on the command line,
// one line per code, as "<code> <state as unsigned 16-bit hex>".
#include "platform/keystate/X11KeyState.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    quorvex::platform::X11KeyState keys;
    if (!keys.isConnected())
        return 2;
    for (int i = 1; i < argc; ++i) {
        const int code = std::atoi(argv[i]);
        std::printf("%d %04x\n", code, static_cast<unsigned>(static_cast<std::uint16_t>(keys.asyncKeyState(code))));
    }
    return 0;
}
