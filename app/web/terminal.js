// The page around the game: an 80-column terminal that shows the game's bytes as they are, and a
// line editor like a terminal's in line mode, whose finished lines the game reads. The game's side
// is app/web_console.cpp; it reaches this module as Module.page.
//
// <body data-state> says where the game is, for the tests and whoever else wants to know:
// "loading" until this module runs, "playing", "reading" (its output all shown, it waits for a
// line), "key" (it waits for the final key) and "over".
import { Terminal } from './xterm.js';
import startGame from './grimstep.js';

const TAB_STOP = 8;
const ERASE_KEYS = ['\x7f', '\b'];
const END_OF_INPUT_KEY = '\x04'; // Ctrl-D
const ERASE_LINE_KEY = '\x15'; // Ctrl-U

/** The terminal. Exported for whoever drives the page: the tests read what it shows. */
export const terminal = new Terminal({
    cols: 80,
    rows: 34, // the tallest screen, the reply typed under it and a line to spare
    scrollback: 10000, // a whole play-through, twice over
    convertEol: true, // the game ends its lines with a line feed alone
    screenReaderMode: true,
    fontFamily: 'monospace',
    fontSize: 15,
});

const encoder = new TextEncoder();
let typed = ''; // the line being typed
let column = 0; // where the cursor stands, for erasing a tab
let lineStart = 0; // the column at which the typed line began
const finished = []; // lines ended and not yet read, as bytes; an empty one ends the input
let unread = new Uint8Array(0); // what the game has not yet taken of the line it reads
let wakeReader = null; // resumes the game waiting for a line
let wakeForKey = null; // resumes the game waiting for its final key
let running = false; // whether a game takes what is typed

function setState(state) {
    document.body.dataset.state = state;
}

/** The column after `text` is shown from `from`, as the terminal counts (80 wide, tab stops of 8). */
function columnAfter(from, text) {
    let at = from;
    for (const c of text) {
        if (c === '\n' || c === '\r') {
            at = 0;
        } else if (c === '\b') {
            at = Math.max(at - 1, 0);
        } else if (c === '\t') {
            at = Math.min((Math.floor(at / TAB_STOP) + 1) * TAB_STOP, terminal.cols - 1);
        } else {
            at = at === terminal.cols ? 1 : at + 1;
        }
    }
    return at;
}

function show(text) {
    terminal.write(text);
    column = columnAfter(column, text);
}

/** Resolves once the terminal has drawn everything written so far. */
function drawn() {
    return new Promise((resolve) => terminal.write('', resolve));
}

function finishLine(bytes) {
    finished.push(bytes);
    typed = '';
    setState('playing');
    wakeReader?.();
    wakeReader = null;
}

/** Takes back the last character typed, and clears the columns it took on the screen. */
function erase() {
    const characters = Array.from(typed);
    if (characters.length === 0) {
        return;
    }
    const width = columnAfter(lineStart, typed) - columnAfter(lineStart, characters.slice(0, -1).join(''));
    typed = characters.slice(0, -1).join('');
    show('\b'.repeat(width) + ' '.repeat(width) + '\b'.repeat(width));
}

/** What the player types, in the terminal's encoding: a key, or a pasted text all at once. */
function type(data) {
    if (!running) {
        return;
    }
    if (wakeForKey) {
        // The final key, not shown. The game ends as soon as it has it, before this task ends.
        setState('playing');
        wakeForKey();
        wakeForKey = null;
        setTimeout(gameOver);
        return;
    }
    if (data.startsWith('\x1b')) {
        return; // cursor and function keys: no use in a line of numbers
    }
    for (const c of data) {
        if (c === '\r' || c === '\n') {
            show('\n');
            finishLine(encoder.encode(`${typed}\n`));
        } else if (c === END_OF_INPUT_KEY) {
            // As at a terminal: the typed text goes to the game as it is, or, on an empty
            // line, the input ends.
            finishLine(encoder.encode(typed));
        } else if (ERASE_KEYS.includes(c)) {
            erase();
        } else if (c === ERASE_LINE_KEY) {
            while (typed !== '') {
                erase();
            }
        } else if (c >= ' ' || c === '\t') {
            if (typed === '') {
                lineStart = column;
            }
            typed += c;
            show(c);
        }
    }
}

/** The page's side of the console, as Module.page. */
const page = {
    columns: () => terminal.cols,

    write(bytes) {
        terminal.write(bytes);
        // Only what follows the last line feed moves the cursor on from where that left it.
        const lastLineFeed = bytes.lastIndexOf(10);
        const rest = String.fromCharCode(...bytes.subarray(lastLineFeed + 1));
        column = columnAfter(lastLineFeed < 0 ? column : 0, rest);
    },

    /** The next bytes of a finished line, at most `capacity`; none once the input has ended. */
    async read(capacity) {
        while (unread.length === 0 && finished.length === 0) {
            await drawn();
            if (finished.length === 0) {
                setState('reading');
                await new Promise((resolve) => {
                    wakeReader = resolve;
                });
            }
        }
        if (unread.length === 0) {
            unread = finished.shift();
            if (unread.length === 0) {
                return unread; // the end of the input
            }
        }
        const bytes = unread.subarray(0, capacity);
        unread = unread.subarray(bytes.length);
        return bytes;
    },

    /** Resolves at the next key pressed; what was typed ahead does not count. */
    waitForKey() {
        typed = '';
        finished.length = 0;
        unread = new Uint8Array(0);
        const key = new Promise((resolve) => {
            wakeForKey = resolve;
        });
        drawn().then(() => wakeForKey && setState('key'));
        return key;
    },
};

const over = document.getElementById('over');
const again = document.getElementById('again');

function gameOver() {
    running = false;
    setState('over');
    over.hidden = false;
    // The button takes the keyboard once the key that ended the game is up, so that this key
    // cannot press it as well.
    document.addEventListener('keyup', () => running || again.focus(), { once: true });
}

function play() {
    over.hidden = true;
    terminal.reset();
    column = 0;
    running = true;
    terminal.focus();
    setState('playing');
    startGame({ page }).catch((error) => {
        terminal.write(`The game could not start: ${error}\n`);
        throw error;
    });
}

terminal.open(document.getElementById('terminal'));
terminal.onData(type);
again.addEventListener('click', play);
play();
