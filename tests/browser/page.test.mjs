// The page itself: its first screen and how fast it comes, the terminal's line editing, the final
// key and playing again, and what the page may load and run.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';

import { FAREWELL, nativeScreens } from './native_game.mjs';
import { openBrowser } from './page_session.mjs';

/** The first screen, as the native game shows it: all it prints before the end of the input. */
const FIRST_SCREEN = nativeScreens('').slice(0, -FAREWELL.length);

/**
 * What the native game shows after the first screen for these replies, up to where it waits for
 * more: the farewell that the end of its input brings is left out.
 */
function afterTheFirstScreen(replies) {
    const screens = nativeScreens(replies);
    assert.ok(screens.startsWith(FIRST_SCREEN) && screens.endsWith(FAREWELL));
    return screens.slice(FIRST_SCREEN.length, -FAREWELL.length);
}

let browser;
before(async () => {
    browser = await openBrowser();
});
after(() => browser?.close());

test('the first screen is the console game’s, shown within 1 s of navigation', async (t) => {
    // The fastest of up to three loads, so that a machine busy with other work does not decide.
    const times = [];
    while (times.length < 3 && !(Math.min(...times) < 1000)) {
        const session = await browser.newSession();
        assert.equal(await session.shownSince(), FIRST_SCREEN);
        times.push(Math.round(session.firstWaitAt));
        await session.close();
    }
    t.diagnostic(`first screen after ${times.join(' ms, ')} ms`);
    assert.ok(Math.min(...times) < 1000, `the first screen took ${times.join(' ms, ')} ms`);
});

test('the page: a title, a favicon, the terminal 80 columns wide with the keyboard and screen-reader mode, a note', async () => {
    const session = await browser.newSession();
    const page = await session.page.evaluate(async () => {
        const { terminal } = await import('./terminal.js');
        const icon = new Image();
        icon.src = document.querySelector('link[rel="icon"]').href;
        await icon.decode();
        return {
            title: document.title,
            columns: terminal.cols,
            screenReaderMode: terminal.options.screenReaderMode,
            focused: document.getElementById('terminal').contains(document.activeElement),
            icon: icon.naturalWidth > 0,
            note: document.querySelector('.note').textContent,
            overShown: !document.getElementById('over').hidden,
        };
    });
    assert.deepEqual(
        { ...page, note: page.note.includes('press Enter') },
        {
            title: 'GRIMSTEP',
            columns: 80,
            screenReaderMode: true,
            focused: true,
            icon: true,
            note: true,
            overShown: false,
        },
    );
    await session.close();
});

test('Backspace and Ctrl-U take back what was typed, before Enter sends the line', async (t) => {
    // Each types keys on the first screen, ending in Enter; all come to the reply "1".
    const cases = [
        ['4', 'Backspace', '1'],
        ['Tab', 'Backspace', '1'],
        ['1', '2', 'Backspace', 'Backspace', 'Backspace', '1'],
        ['-', '1', '0', 'Backspace', 'Backspace', 'Backspace', 'Backspace', '1'],
        ['2', 'Tab', '3', 'Control+U', '1'],
    ];
    const expected = `1\n${afterTheFirstScreen('1\n')}`;
    for (const keys of cases) {
        await t.test(JSON.stringify(keys), async () => {
            const session = await browser.newSession();
            await session.shownSince();
            for (const key of keys) {
                await session.page.keyboard.press(key);
            }
            await session.press('Enter');
            assert.equal(await session.shownSince(), expected);
            await session.close();
        });
    }
});

test('a pasted line of several numbers is taken number by number', async () => {
    const session = await browser.newSession();
    await session.shownSince();
    // What the terminal hands on from a paste: the whole text at once, its line end a CR.
    await session.page.evaluate(() => {
        const pasted = new DataTransfer();
        pasted.setData('text/plain', '1 1 1\n');
        document.activeElement.dispatchEvent(new ClipboardEvent('paste', { clipboardData: pasted }));
    });
    await session.waitForGame();
    assert.equal(await session.shownSince(), `1 1 1\n${afterTheFirstScreen('1 1 1\n')}`);
    await session.close();
});

test('the farewell waits for one key of its own, not shown; then the page offers to play again', async () => {
    const session = await browser.newSession();
    await session.shownSince();
    // The 7 left on the line that quits is typed ahead of the wait, so it is not the key.
    await session.type('1 1 3 7');
    await session.press('Enter');
    assert.equal(await session.state(), 'key');
    assert.equal(await session.shownSince(), `1 1 3 7\n${nativeScreens('1 1 3 7\n').slice(FIRST_SCREEN.length)}`);

    await session.press('x');
    assert.equal(await session.state(), 'over');
    assert.equal(await session.shownSince(), '', 'the key is not shown');
    const over = session.page.locator('#over');
    assert.ok(await over.isVisible());
    assert.match(await over.textContent(), /The game is over/);

    await over.getByRole('button', { name: 'Play again' }).click();
    await session.waitForGame();
    assert.equal(await session.state(), 'reading');
    assert.equal(await session.shownFromTheTop(), FIRST_SCREEN);
    assert.ok(!(await over.isVisible()));
    await session.close();
});

test('Ctrl-D on an empty line ends the input, and the farewell follows', async () => {
    const session = await browser.newSession();
    await session.shownSince();
    await session.press('Control+D');
    assert.equal(await session.state(), 'key');
    assert.equal(await session.shownSince(), FAREWELL);
    await session.close();
});

test('the Content-Security-Policy lets only the site’s own files run', async () => {
    const session = await browser.newSession();
    const refused = await session.page.evaluate(async () => {
        const violations = [];
        document.addEventListener('securitypolicyviolation', (event) =>
            violations.push(`${event.effectiveDirective} ${event.blockedURI}`),
        );
        setTimeout('document.body.dataset.evaluated = "yes";');
        const inline = document.createElement('script');
        inline.textContent = 'document.body.dataset.inline = "ran";';
        document.body.append(inline);
        const elsewhere = document.createElement('script');
        elsewhere.src = 'http://127.0.0.2:9/game.js';
        document.body.append(elsewhere);
        await new Promise((resolve) => setTimeout(resolve, 100));
        return {
            evaluated: document.body.dataset.evaluated === 'yes',
            inlineRan: document.body.dataset.inline === 'ran',
            violations: violations.sort(),
        };
    });
    assert.deepEqual(refused, {
        evaluated: false,
        inlineRan: false,
        violations: ['script-src-elem http://127.0.0.2:9/game.js', 'script-src-elem inline', 'script-src eval'].sort(),
    });
    // Here the refusals are the point: console errors, and the other origin's script refused
    // before it left the browser. Nothing else may have gone wrong.
    const problems = session.problems.filter((problem) => !/^console error: .*Content Security Policy/.test(problem));
    session.problems.length = 0;
    assert.deepEqual(problems, [
        'request off the site: http://127.0.0.2:9/game.js',
        'request failed: http://127.0.0.2:9/game.js (csp)',
    ]);
    await session.close();
});
