// The page in a browser: the game writes to the terminal in the page and reads what the player
// typed there. The page's script (app/web/terminal.js) keeps the terminal and edits the line being
// typed, as a terminal in line mode does; it hands itself to the game's module as Module.page.
// Blocking reads wait on its promises through Asyncify, so the one game loop runs unchanged.
#include "app/platform_console.hpp"
#include "engine/input_buffer.hpp"

#include <cstddef>
#include <emscripten.h>
#include <string_view>

// The page's side. JavaScript, run in the game's module; the pointers are offsets into its memory.

/// Shows the bytes on the terminal; a copy, since the terminal draws them later.
EM_JS(void, showOnPage, (const char* bytes, std::size_t length), {
    Module.page.write(HEAPU8.slice(bytes, bytes + length));
});

/// Waits until the player has ended a line (Enter, or Ctrl-D after some text) or the input (Ctrl-D
/// on an empty line); copies at most `capacity` of its bytes and returns how many, 0 for the end.
EM_ASYNC_JS(std::size_t, readFromPage, (char* buffer, std::size_t capacity), {
    const bytes = await Module.page.read(capacity);
    HEAPU8.set(bytes, buffer);
    return bytes.length;
});

/// Waits for the next key the player presses; it is not shown.
EM_ASYNC_JS(void, waitForKeyOnPage, (), { await Module.page.waitForKey(); });

/// The terminal's width in columns.
EM_JS(std::size_t, pageColumns, (), { return Module.page.columns(); });

namespace grimstep {
namespace {

/// The terminal in the page. The only code of the game that knows it runs in a browser.
class PageConsole final : public Console {
public:
    bool write(std::string_view bytes) override {
        showOnPage(bytes.data(), bytes.size());
        return true;  // the terminal takes everything
    }

    int readByte() override { return input_.next(readFromPage); }

    /// The page waits only for keys pressed from now on, and does not show the key.
    void waitForKey() override { waitForKeyOnPage(); }

    std::size_t columns() override { return pageColumns(); }

private:
    InputBuffer input_;
};

}  // namespace

Console& platformConsole() {
    static PageConsole console;
    return console;
}

}  // namespace grimstep
