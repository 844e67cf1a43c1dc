#!/usr/bin/env node
// board_bench.js CLI [TABS], in the "pc" namespace of bench/board/board.sh:
// the status board in headless chromium over the listed clocks. Prints the
// time to the first rows, the time to apply an update of 100 changed clocks,
// the bytes on the wire of the complete list and of a "since" a second
// later, the monitor's CPU with TABS boards (10) polling as the page does,
// beside the page, against none and the polls of theirs that failed, and the
// weight of page and data for 100 clocks.
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');
const { spawn } = require('child_process');
const { chromium } = require(path.join(__dirname, '..', '..', 'tests', 'board', 'node_modules', 'playwright-core'));

const port = 8472;
const metricsPort = 9934;
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

// The answer's bytes as they travel, compressed, and its version.
function onTheWire(target) {
    return new Promise((resolve, reject) => {
        http.get(origin + target, { headers: { 'Accept-Encoding': 'gzip' } }, (reply) => {
            let bytes = 0;
            const parts = [];
            reply.on('data', (part) => { bytes += part.length; parts.push(part); });
            reply.on('end', () => {
                const body = Buffer.concat(parts);
                const plain = reply.headers['content-encoding'] === 'gzip' ? require('zlib').gunzipSync(body) : body;
                resolve({ bytes, version: JSON.parse(plain).version });
            });
        }).on('error', reject);
    });
}

// One board's polls: the whole list first, then what changed since its version, every second.
async function poll(stop, polls) {
    let version = '0';
    while (!stop.done) {
        try {
            const reply = await fetch(`${origin}/api/v1/clocks?lang=en&since=${version}`,
                                      { signal: AbortSignal.timeout(5000) });
            if (!reply.ok)
                throw new Error(String(reply.status));
            version = (await reply.json()).version;
            ++polls.ok;
        } catch (e) {
            ++polls.failed;
            const why = e.name === 'Error' ? e.message : e.name; // the status, or how it failed
            polls.why[why] = (polls.why[why] || 0) + 1;
        }
        await sleep(1000);
    }
}

async function main() {
    const tabs = Number(process.argv[3] || 10);
    const monitor = spawn(process.argv[2], ['monitor', '--board', String(port), '--metrics', String(metricsPort)],
                          { stdio: 'ignore' });
    const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });
    try {
        let total = 0;
        for (let i = 0; i < 1200; ++i) {
            try {
                const summary = await (await fetch(origin + '/api/v1/summary')).json();
                total = summary.total;
                if (total > 0 && summary.unknown === 0 && summary.ok === total)
                    break;
            } catch (e) { /* not listening yet */ }
            await sleep(500);
        }
        // The audit every start makes (a configuration download per clock) is
        // no part of the steady state.
        for (let i = 0; i < 1200; ++i) {
            try {
                const text = await (await fetch(`http://127.0.0.1:${metricsPort}/metrics`)).text();
                if (text.includes('zentick_monitor_audit_last_run_timestamp_seconds '))
                    break;
            } catch (e) { /* not yet */ }
            await sleep(500);
        }
        const idle = await cpuShare(monitor.pid, 30);
        console.log(`monitor CPU with no board: ${idle.toFixed(2)} % of a core (load ${fs.readFileSync('/proc/loadavg', 'utf8').split(' ').slice(0, 3).join(' ')})`);

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
        const list = await (await fetch(origin + '/api/v1/clocks')).json();
        let round = 0;
        await page.route('**/api/v1/clocks?*', (route) => {
            const failed = round++ % 2 === 0;
            const clocks = list.clocks.slice(0, 100).map((c) => ({ ...c,
                severity: failed ? 'critical' : c.severity, ntp: failed ? 3 : c.ntp,
                state: failed ? 'Connection error' : c.state, statusTime: new Date().toISOString() }));
            route.fulfill({ contentType: 'application/json',
                            body: JSON.stringify({ ...list, complete: false, clocks }) });
        });
        await page.waitForFunction(() => window.boardTimings.filter((t) => t.clocks === 100).length >= 10, null,
                                   { timeout: 60000 });
        await page.unroute('**/api/v1/clocks?*');
        const hundreds = (await page.evaluate(() => window.boardTimings)).filter((t) => t.clocks === 100 && t.painted);
        const ms = hundreds.map((t) => t.ms).sort((a, b) => a - b);
        const painted = hundreds.map((t) => t.painted).sort((a, b) => a - b);

        console.log(`board at ${total} clocks: rows painted ${firstRows.toFixed(0)} ms after navigation began (data `
            + `received at ${fetched.toFixed(0)} ms, rows built in ${firstApply.toFixed(0)} ms)`);
        console.log(`${ms.length} updates of 100 changed clocks applied in median ${ms[ms.length >> 1].toFixed(1)} ms, `
            + `slowest ${ms[ms.length - 1].toFixed(1)} ms; on screen (next frame painted) median `
            + `${painted[painted.length >> 1].toFixed(1)} ms, slowest ${painted[painted.length - 1].toFixed(1)} ms`);
        const full = await onTheWire('/api/v1/clocks');
        await sleep(1000);
        const since = await onTheWire('/api/v1/clocks?since=' + full.version);
        console.log(`on the wire (gzip): complete list ${(full.bytes / 1024).toFixed(1)} kB, "since" a second later `
            + `${(since.bytes / 1024).toFixed(1)} kB`);

        // TABS boards beside the page poll as it does, without a
        // browser each: thirty renderers of a large fleet's table would
        // measure the machine, not the monitor.
        const polls = { ok: 0, failed: 0, why: {} };
        const stop = { done: false };
        const pollers = Array.from({ length: tabs }, () => poll(stop, polls));
        await sleep(5000);
        polls.ok = polls.failed = 0;
        polls.why = {};
        const busy = await cpuShare(monitor.pid, 30);
        const counted = { ...polls };
        stop.done = true;
        await Promise.all(pollers);
        console.log(`monitor CPU: ${idle.toFixed(2)} % of a core with no board, ${busy.toFixed(2)} % with ${tabs} boards polling `
            + `(+${(busy - idle).toFixed(2)} %); their polls meanwhile: ${counted.ok} answered, ${counted.failed} failed ${JSON.stringify(counted.why)} `
            + `(load ${fs.readFileSync('/proc/loadavg', 'utf8').split(' ').slice(0, 3).join(' ')})`);

        const weights = await page.evaluate(async () => {
            const size = async (url) => (await (await fetch(url)).arrayBuffer()).byteLength;
            const data = await (await fetch('api/v1/clocks')).json();
            data.clocks = data.clocks.slice(0, 100);
            return { page: await size('./') + await size('board.js') + await size('board.css'),
                     data: new TextEncoder().encode(JSON.stringify(data)).length };
        });
        console.log(`page ${weights.page} bytes + data for 100 clocks ${weights.data} bytes = `
            + `${((weights.page + weights.data) / 1024).toFixed(1)} kB before compression`);
    } finally {
        await browser.close();
        monitor.kill('SIGKILL');
    }
}

main().catch((error) => { console.error(`FAIL: ${error.stack}`); process.exit(1); });
