// The page in headless Chromium, played as a player plays it: keys typed into the terminal, and
// what the terminal shows read back screen by screen. Every session also watches the page: it
// fails on a console error, an uncaught exception, a failed request, or a request that leaves
// the site on 127.0.0.1.
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { env } from 'node:process';

import { serveSite } from '../../app/web/serve.mjs';

// The web build's npm ci installed the driver beside the terminal; it drives Debian's Chromium.
const { chromium } = createRequire(`${env.GRIMSTEP_NPM_DIR}/`)('playwright-core');

// As root, so without the sandbox; and without the background traffic to hosts the closed
// network refuses (many at a time, at every start).
const CHROMIUM_ARGUMENTS = [
    '--headless',
    '--no-sandbox',
    '--disable-gpu',
    '--disable-quic',
    '--no-first-run',
    '--disable-background-networking',
    '--disable-component-update',
    '--disable-sync',
];

/** What the page's <body data-state> says once the game waits: for a line, for its last key, or over. */
const WAITING = ['reading', 'key', 'over'];
const WAIT_MS = 10_000;

/** Chromium and the site served on 127.0.0.1, for the tests of one file; `close` stops both. */
export async function openBrowser() {
    const site = await serveSite(env.GRIMSTEP_SITE);
    // A fresh, empty profile in a folder of its own comes with every launch.
    const browser = await chromium.launch({ executablePath: env.GRIMSTEP_CHROMIUM, args: CHROMIUM_ARGUMENTS });
    return {
        url: site.url,
        newSession: () => PageSession.open(browser, site.url),
        close: async () => {
            await browser.close();
            await site.stop();
        },
    };
}

/** Shows the invisible: line feeds, tabs and other control characters, for failure messages. */
export function escaped(text) {
    return JSON.stringify(text);
}

export class PageSession {
    /** Opens the page and waits until the game waits for the first time. */
    static async open(browser, url) {
        const page = await browser.newPage();
        const session = new PageSession(page, url);
        await page.goto(url);
        session.firstWaitAt = await session.waitForGame();
        return session;
    }

    constructor(page, url) {
        this.page = page;
        /** What went wrong on the page, as it happened. */
        this.problems = [];
        /** Where the part of the terminal read so far ends. */
        this.read = { row: 0, column: 0 };
        page.on('console', (message) => {
            if (message.type() === 'error') {
                this.problems.push(`console error: ${message.text()}`);
            }
        });
        page.on('pageerror', (error) => this.problems.push(`uncaught: ${error.message}`));
        page.on('request', (request) => {
            if (!request.url().startsWith(url)) {
                this.problems.push(`request off the site: ${request.url()}`);
            }
        });
        page.on('requestfailed', (request) =>
            this.problems.push(`request failed: ${request.url()} (${request.failure().errorText})`),
        );
        page.on('response', (response) => {
            if (response.status() !== 200) {
                this.problems.push(`${response.status()} for ${response.url()}`);
            }
        });
    }

    /**
     * Waits until the game waits, or is over, with its output all on the terminal; returns the
     * page's own clock then, in milliseconds since the navigation began.
     */
    async waitForGame() {
        const waiting = await this.page.waitForFunction(
            (states) => states.includes(document.body.dataset.state) && performance.now(),
            WAITING,
            { polling: 'raf', timeout: WAIT_MS },
        );
        return waiting.jsonValue();
    }

    /** The state the page shows in <body data-state>. */
    state() {
        return this.page.evaluate(() => document.body.dataset.state);
    }

    /** Types text as keys, one after another, as a player does. */
    async type(text) {
        for (const [index, part] of text.split('\t').entries()) {
            if (index > 0) {
                await this.page.keyboard.press('Tab'); // which keyboard.type would not press
            }
            await this.page.keyboard.type(part);
        }
    }

    /** Presses one key or chord (Enter, Backspace, Control+D) and waits for the game to wait again. */
    async press(key) {
        await this.page.keyboard.press(key);
        return this.waitForGame();
    }

    /** The terminal's text since the last call: rows joined by line feeds (but rows the terminal
     *  itself wrapped), blanks at the end of a row dropped, tabs shown as the blanks they are. */
    async shownSince() {
        const { text, row, column } = await this.page.evaluate(readTerminal, this.read);
        this.read = { row, column };
        return text;
    }

    /** The whole of what the terminal shows, from the top of its scrollback. */
    async shownFromTheTop() {
        return (await this.page.evaluate(readTerminal, { row: 0, column: 0 })).text;
    }

    /** Closes the page, and fails if anything went wrong on it. */
    async close() {
        await this.page.close();
        assert.deepEqual(this.problems, [], 'the page had problems');
    }
}

/** Runs in the page: the terminal's text from `from` to the cursor. */
async function readTerminal(from) {
    const { terminal } = await import('./terminal.js');
    const buffer = terminal.buffer.active;
    // The scrollback holds a whole play-through: rows never fall off its top while a test reads.
    if (buffer.length >= terminal.options.scrollback + terminal.rows) {
        throw new Error('the scrollback is full; rows were lost');
    }
    const last = buffer.baseY + buffer.cursorY;
    let text = '';
    for (let row = from.row; row <= last; ++row) {
        const line = buffer.getLine(row);
        const wrapsOn = row < last && buffer.getLine(row + 1).isWrapped;
        if (row > from.row && !line.isWrapped) {
            text += '\n';
        }
        const shown = line.translateToString(false, row === from.row ? from.column : 0);
        text += wrapsOn ? shown : shown.trimEnd();
    }
    return { text, row: last, column: buffer.cursorX };
}
