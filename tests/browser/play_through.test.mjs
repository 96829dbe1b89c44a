// Every scripted play-through in tests/replies, typed into the page's terminal line by line, shows
// screen by screen what the native game shows for the same replies.
import assert from 'node:assert/strict';
import { readdir, readFile } from 'node:fs/promises';
import { after, before, test } from 'node:test';

import { asShown, nativeScreens } from './native_game.mjs';
import { escaped, openBrowser } from './page_session.mjs';

const REPLIES = new URL('../replies/', import.meta.url);

/**
 * How a file's bytes become keys. Each line is typed, then Enter for its line end: "\n", or
 * "\r\n" as Windows ends lines (a CR is what the Enter key sends; the engine counts either as
 * white space). A last line without a line end is sent with Ctrl-D, as a terminal sends a line
 * without Enter; then Ctrl-D on the empty line ends the input, as the end of the file does.
 */
function keysOf(replies) {
    const lines = replies.split(/\r?\n/);
    const last = lines.pop();
    const steps = lines.map((line) => ({ text: line, end: 'Enter' }));
    if (last !== '') {
        steps.push({ text: last, end: 'Control+D' });
    }
    steps.push({ text: '', end: 'Control+D' });
    return steps;
}

/** Fails unless `shown` is where `expected` begins, showing where they part. */
function assertBeginsWith(expected, shown, where) {
    if (expected.startsWith(shown)) {
        return;
    }
    let at = 0;
    while (shown[at] === expected[at]) {
        ++at;
    }
    const from = Math.max(at - 160, 0);
    assert.fail(
        `${where}: the page shows other text than the native game from character ${at}\n` +
            `  page:   ${escaped(shown.slice(from, at + 80))}\n` +
            `  native: ${escaped(expected.slice(from, at + 80))}`,
    );
}

let browser;
before(async () => {
    browser = await openBrowser();
});
after(() => browser?.close());

for (const name of (await readdir(REPLIES)).filter((file) => file.endsWith('.txt')).sort()) {
    test(`${name} shows what the console game shows`, async () => {
        const replies = await readFile(new URL(name, REPLIES), 'latin1');
        const expected = nativeScreens(Buffer.from(replies, 'latin1'));
        const session = await browser.newSession();
        let shown = await session.shownSince();
        assertBeginsWith(expected, shown, 'the first screen');
        for (const [index, { text, end }] of keysOf(replies).entries()) {
            if ((await session.state()) !== 'reading') {
                break; // the game has ended; like the console game, it reads no further
            }
            await session.type(text);
            await session.press(end);
            // The reply typed stands on the screen (Enter moves on to the next line), then the
            // game's answer: take the one away to compare the other.
            const echo = asShown(text) + (end === 'Enter' ? '\n' : '');
            const step = await session.shownSince();
            const where = `after line ${index + 1} (${escaped(text)}, ${end})`;
            assert.ok(step.startsWith(echo), `${where}: the reply is not shown as typed: ${escaped(step)}`);
            shown += step.slice(echo.length);
            assertBeginsWith(expected, shown, where);
        }
        assert.equal(shown, expected);
        assert.equal(await session.state(), 'key', 'the game waits for its final key');
        await session.close();
    });
}
