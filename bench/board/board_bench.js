#!/usr/bin/env node
// board_bench.js CLI, in the "pc" namespace of bench/board/board.sh: the
// status board in headless chromium over the listed clocks. Prints the time
// to the first rows, the time to apply an update of 100 changed clocks, the
// monitor's CPU with ten boards open against none,
// and the weight of page and data for 100 clocks.
'use strict';
const fs = require('fs');
const path = require('path');
const { spawn } = require('child_process');
const { chromium } = require(path.join(__dirname, '..', '..', 'tests', 'board', 'node_modules', 'playwright-core'));

const port = 8472;
const origin = `http://127.0.0.1:${port}`;
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

function cpuSeconds(pid) {
    const fields = fs.readFileSync(`/proc/${pid}/stat`, 'utf8').split(') ')[1].split(' ');
    return (Number(fields[11]) + Number(fields[12])) / 100; // utime + stime, in ticks of 1/100 s
}

async function cpuShare(pid, seconds) {
    const before = cpuSeconds(pid);
    await sleep(seconds * 1000);
    return (cpuSeconds(pid) - before) / seconds * 100;
}

async function main() {
    const monitor = spawn(process.argv[2], ['monitor', '--board', String(port)], { stdio: 'ignore' });
    const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });
    try {
        let total = 0;
        for (let i = 0; i < 240; ++i) {
            try {
                const summary = await (await fetch(origin + '/api/v1/summary')).json();
                total = summary.total;
                if (total > 0 && summary.unknown === 0 && summary.ok === total)
                    break;
            } catch (e) { /* not listening yet */ }
            await sleep(500);
        }
        const idle = await cpuShare(monitor.pid, 30);

        const page = await browser.newPage();
        await page.goto(origin + '/');
        await page.waitForFunction(() => window.boardTimings && window.boardTimings.firstRows, null, { timeout: 30000 });
        // Milliseconds after navigation began: the first frame painted after the rows went in.
        const [firstRows, firstApply, fetched] = await page.evaluate(() => {
            const data = performance.getEntriesByType('resource').find((e) => e.name.includes('api/v1/clocks'));
            return [window.boardTimings.firstRows, window.boardTimings[0].ms, data ? data.responseEnd : NaN];
        });
        // Exactly 100 clocks changed per update: the monitor's answers are
        // replaced by a delta that turns 100 rows failed and back in turn.
        const full = await (await fetch(origin + '/api/v1/clocks')).json();
        let round = 0;
        await page.route('**/api/v1/clocks?*', (route) => {
            const failed = round++ % 2 === 0;
            const clocks = full.clocks.slice(0, 100).map((c) => ({ ...c,
                severity: failed ? 'critical' : c.severity, ntp: failed ? 3 : c.ntp,
                state: failed ? 'Connection error' : c.state, statusTime: new Date().toISOString() }));
            route.fulfill({ contentType: 'application/json',
                            body: JSON.stringify({ ...full, complete: false, clocks }) });
        });
        await page.waitForFunction(() => window.boardTimings.filter((t) => t.clocks === 100).length >= 10, null,
                                   { timeout: 60000 });
        await page.unroute('**/api/v1/clocks?*');
        const hundreds = (await page.evaluate(() => window.boardTimings)).filter((t) => t.clocks === 100 && t.painted);
        const ms = hundreds.map((t) => t.ms).sort((a, b) => a - b);
        const painted = hundreds.map((t) => t.painted).sort((a, b) => a - b);

        const pages = [page];
        for (let i = 1; i < 10; ++i) {
            const other = await browser.newPage();
            await other.goto(origin + '/');
            pages.push(other);
        }
        await sleep(5000);
        const busy = await cpuShare(monitor.pid, 30);

        const weights = await page.evaluate(async () => {
            const size = async (url) => (await (await fetch(url)).arrayBuffer()).byteLength;
            const data = await (await fetch('api/v1/clocks')).json();
            data.clocks = data.clocks.slice(0, 100);
            return { page: await size('./') + await size('board.js') + await size('board.css'),
                     data: new TextEncoder().encode(JSON.stringify(data)).length };
        });
        console.log(`board at ${total} clocks: rows painted ${firstRows.toFixed(0)} ms after navigation began (data `
            + `received at ${fetched.toFixed(0)} ms, rows built in ${firstApply.toFixed(0)} ms)`);
        console.log(`${ms.length} updates of 100 changed clocks applied in median ${ms[ms.length >> 1].toFixed(1)} ms, `
            + `slowest ${ms[ms.length - 1].toFixed(1)} ms; on screen (next frame painted) median `
            + `${painted[painted.length >> 1].toFixed(1)} ms, slowest ${painted[painted.length - 1].toFixed(1)} ms`);
        console.log(`monitor CPU: ${idle.toFixed(2)} % of a core with no board, ${busy.toFixed(2)} % with 10 boards `
            + `(+${(busy - idle).toFixed(2)} %)`);
        console.log(`page ${weights.page} bytes + data for 100 clocks ${weights.data} bytes = `
            + `${((weights.page + weights.data) / 1024).toFixed(1)} kB before compression`);
    } finally {
        await browser.close();
        monitor.kill('SIGKILL');
    }
}

main().catch((error) => { console.error(`FAIL: ${error.stack}`); process.exit(1); });
