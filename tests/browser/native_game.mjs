// What the native game shows for the same replies: the calling build's grimstep, its input the
// replies and its output a pipe (so the bytes exactly as they are), then wrapped at the page's
// width by the engine's own word wrap (grimstep_wrap_for_tests), as the game wraps for a terminal.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { env } from 'node:process';

/** The page's terminal is this wide. */
export const COLUMNS = 80;
const TAB_STOP = 8;

export const FAREWELL = 'Press any key to save yourself.\n';

function run(program, argumentList, input) {
    const run = spawnSync(program, argumentList, { input, timeout: 10_000 });
    assert.equal(run.status, 0, `${program} failed: ${run.error ?? run.stderr}`);
    return run.stdout;
}

/**
 * The text as a terminal shows it, for comparing with what the page's terminal shows: a terminal
 * cannot show a tab or a blank at the end of a row, only the empty columns they leave. So tabs
 * become blanks up to the next tab stop, and blanks at the end of a line vanish.
 */
export function asShown(text, column = 0) {
    return text
        .split('\n')
        .map((line, index) => {
            let shown = '';
            let at = index === 0 ? column : 0;
            for (const c of line) {
                const next = c === '\t' ? (Math.floor(at / TAB_STOP) + 1) * TAB_STOP : at + 1;
                shown += c === '\t' ? ' '.repeat(next - at) : c;
                at = next;
            }
            return shown.trimEnd();
        })
        .join('\n');
}

/** What the native game shows for these replies, as the page's terminal would show it. */
export function nativeScreens(replies) {
    const output = run(env.GRIMSTEP_GAME, [], replies);
    return asShown(run(env.GRIMSTEP_WRAP, [String(COLUMNS)], output).toString('latin1'));
}
