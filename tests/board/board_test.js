#!/usr/bin/env node
// The status board in Debian's chromium, against zentick-cli monitor over
// simulated clocks: every clock listed, filter and "Problems only", a clock
// made silent turns failed without a reload, hostile names stay text and run
// nothing, German from Accept-Language, nothing fetched from elsewhere, and
// the keyboard reaches the filter, the table and a row's history, dates and
// brightness written in the page's language, ages frozen while the monitor
// is gone; the availability view reached from the navigation by keyboard,
// sorted, stepped a period back and forth, telling a history that cannot be
// read and waiting out a busy monitor. With ZENTICK_BOARD_PICTURES set, it
// saves the board's pictures there.
'use strict';
const fs = require('fs');
const path = require('path');
const { spawn, execFileSync } = require('child_process');
const { chromium } = require(path.join(__dirname, 'node_modules', 'playwright-core'));

const bin = path.join(process.env.ZENTICK_BINARY_DIR, 'bin');
const port = 8471;
const origin = `http://127.0.0.1:${port}`;
// A poll every 10 s, and a silent clock given up after 20 empty waits of
// 200 ms: it fails within 14 s; the board may take 2 s more.
const failWithinMs = (10 + 4 + 2) * 1000;

function writeDeviceList(clocks) {
    const esc = (t) => t.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/"/g, '&quot;');
    // The first clock is muted for a day.
    const quiet = new Date(Date.now() + 86400000).toISOString().replace(/\.\d+Z$/, 'Z');
    const items = clocks.map((c, i) => `<Clock index="${i}"><Common groupId="${i < 2 ? 0 : -1}" name="${esc(c.name)}"`
        + ` user="admin" password="admin"${i === 0 ? ` quietUntil="${quiet}"` : ''}/><Network ip="${c.ip}" port="80"/>`
        + '</Clock>').join('');
    const xml = `<?xml version="1.0" encoding="UTF-8"?><QLXZentick version="1.00"><ClockList size="${clocks.length}">`
        + `${items}</ClockList><GroupList size="1"><Group index="0" name="Ground floor"><ClockList size="2">`
        + '<ClockIndex index="0"/><ClockIndex index="1"/></ClockList></Group></GroupList></QLXZentick>';
    const folder = path.join(process.env.XDG_DATA_HOME, 'QLX Devices', 'Zentick');
    fs.mkdirSync(folder, { recursive: true, mode: 0o700 });
    fs.writeFileSync(path.join(folder, 'settings.xml'), xml, { mode: 0o600 });
}

async function until(what, condition, ms) {
    const end = Date.now() + ms;
    for (;;) {
        if (await condition())
            return;
        if (Date.now() > end)
            throw new Error(`${what} not within ${ms} ms`);
        await new Promise((r) => setTimeout(r, 100));
    }
}

function check(condition, what) {
    if (!condition)
        throw new Error(what);
}

async function openBoard(browser, options, failures) {
    const context = await browser.newContext(options);
    const page = await context.newPage();
    page.on('dialog', (dialog) => { failures.push(`a dialog opened: ${dialog.message()}`); dialog.dismiss(); });
    page.on('request', (request) => {
        if (!request.url().startsWith(origin + '/'))
            failures.push(`a request left the monitor's origin: ${request.url()}`);
    });
    page.on('pageerror', (error) => failures.push(`script error: ${error.message}`));
    return { context, page };
}

// Every moment on a page in one writing of its language, whatever the
// browser's own (en-US here): the muted-until cells, the clocks' last
// synchronisation in the state and the history; brightness as a percentage.
const writings = {
    en: { date: /^\d\d\/\d\d\/\d{4} \d\d:\d\d:\d\d$/, brightness: /^\d{1,3}%$/ },
    de: { date: /^\d\d\.\d\d\.\d{4} \d\d:\d\d:\d\d$/, brightness: /^\d{1,3}\s%$/ },
};
async function checkWriting(page, lang) {
    const want = writings[lang];
    const shown = await page.evaluate(() => {
        const moment = /\d\d[./]\d\d[./]\d{4},? \S+( [AP]M)?/g;
        const state = Array.from(document.querySelectorAll('td.state'), (c) => c.textContent.match(moment) || []).flat();
        const muted = Array.from(document.querySelectorAll('td.muted'), (c) => c.textContent).filter((t) => t);
        const history = Array.from(document.querySelectorAll('#events time'), (t) => t.textContent);
        const lobby = Array.from(document.querySelectorAll('#rows tr'))
            .find((r) => r.querySelector('td.name button').textContent === 'Lobby');
        return { state, muted, history, brightness: lobby.querySelector('td.brightness').textContent };
    });
    check(shown.muted.length === 1 && shown.state.length > 0, `${lang}: no dates to check: ${JSON.stringify(shown)}`);
    for (const text of [...shown.muted, ...shown.state, ...shown.history])
        check(want.date.test(text), `${lang}: "${text}" is not written as the page's other dates`);
    check(want.brightness.test(shown.brightness), `${lang}: brightness "${shown.brightness}" is not a percentage`);
}

const visibleNames = (page) => page.$$eval('#rows tr:not([hidden]) td.name button', (b) => b.map((x) => x.textContent));
const severityOf = (page, ip) => page.$$eval('#rows tr', (rows, ip) => {
    const row = rows.find((r) => r.querySelector('td.ip').textContent === ip);
    return row ? row.dataset.severity : null;
}, ip);

async function main() {
    const clocks = JSON.parse(fs.readFileSync(process.env.ZENTICK_CLOCKSIM_CLOCKS)).clocks;
    writeDeviceList(clocks);
    const monitor = spawn(path.join(bin, 'zentick-cli'), ['monitor', '--board', String(port)], { stdio: 'inherit' });
    const failures = [];
    const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });
    try {
        const { page } = await openBoard(browser, { locale: 'en-US', viewport: { width: 1200, height: 640 } }, failures);
        await until('the monitor listening', async () => {
            try { return (await page.goto(origin + '/')).ok(); } catch (e) { return false; }
        }, 30000);
        await until('every clock listed and polled', async () => {
            const names = await visibleNames(page);
            const states = await page.$$eval('#rows tr', (r) => r.map((x) => x.dataset.severity));
            return names.length === clocks.length && !states.includes('unknown');
        }, 30000);
        const names = await visibleNames(page);
        for (const c of clocks)
            check(names.includes(c.name), `${c.name} is not shown as text: ${JSON.stringify(names)}`);
        check(await page.$$eval('#rows img, #rows script', (e) => e.length) === 0, 'a clock name became markup');

        await page.fill('#filter', 'hall');
        check(JSON.stringify(await visibleNames(page)) === '["Hall"]', 'the filter did not narrow to Hall');
        await page.fill('#filter', '');
        await page.check('#problems');
        check(JSON.stringify(await visibleNames(page)) === '["Locked"]', 'Problems only did not narrow to Locked');
        check(page.url().includes('problems=1'), 'Problems only is not kept in the address');
        await page.click('th[data-key=state] button');
        await page.click('th[data-key=state] button');
        check(page.url().includes('sort=state') && page.url().includes('dir=desc'), 'the sort is not kept');
        await page.reload();
        check(await page.isChecked('#problems'), 'the address did not restore Problems only');
        check(await page.getAttribute('th[data-key=state]', 'aria-sort') === 'descending', 'the sort was not restored');
        await page.uncheck('#problems');

        if (process.env.ZENTICK_BOARD_PICTURES)
            await pictures(browser, failures);

        // A clock falls silent: its row turns failed without a reload.
        await page.evaluate(() => { window.notReloaded = true; });
        execFileSync(path.join(bin, 'zentick-clocksim'),
                     ['--control', process.env.ZENTICK_CLOCKSIM_CONTROL, '--ask', 'faults 1 {"silent": true}']);
        const silenced = Date.now();
        await until('the silent clock failed on the board', async () => await severityOf(page, clocks[1].ip) === 'critical',
                    failWithinMs);
        console.log(`silent clock shown failed after ${Date.now() - silenced} ms`);
        check(await page.evaluate(() => window.notReloaded === true), 'the page was reloaded');

        // Keyboard only: the filter, then the table's headers, then a row's history.
        await page.goto(origin + '/');
        await until('rows', async () => (await visibleNames(page)).length === clocks.length, 5000);
        const focused = () => page.evaluate(() => {
            const e = document.activeElement;
            return e.id || (e.closest('thead') ? 'header' : e.closest('tbody') ? 'row' : e.tagName);
        });
        const reached = [];
        for (let i = 0; i < 16 && !reached.includes('row'); ++i) {
            await page.keyboard.press('Tab');
            reached.push(await focused());
        }
        check(reached[0] === 'nav-clocks' && reached[1] === 'nav-availability' && reached[2] === 'filter'
              && reached.includes('header') && reached.includes('row'), `Tab went ${reached.join(' > ')}`);
        await page.keyboard.press('Enter');
        check(await focused() === 'history-title', 'Enter on a row did not open its history');
        await until('the history listed', async () => (await page.$$('#events li')).length > 0, 5000);
        await checkWriting(page, 'en');

        await availability(page, clocks);

        // German from Accept-Language.
        const german = await openBoard(browser, { extraHTTPHeaders: { 'Accept-Language': 'de' } }, failures);
        await german.page.goto(origin + '/');
        check(await german.page.getAttribute('html', 'lang') === 'de', 'Accept-Language: de did not give German');
        await until('German state texts', async () => (await german.page.$$eval('td.state', (c) => c.map((x) => x.textContent)))
            .some((t) => t.includes('Synchronisiert')), 10000);
        check((await german.page.textContent('th[data-key=state]')).trim() === 'Zustand', 'the headers are not German');
        await checkWriting(german.page, 'de');

        // The monitor goes away: the banner says so.
        monitor.kill('SIGTERM');
        await until('the banner', async () => await page.isVisible('#banner'), 5000);
        // Nobody knows how old a status is now: the ages stop, marked stale.
        const ages = () => page.$$eval('td.age', (c) => c.map((x) => x.textContent).join('|'));
        const before = await ages();
        await page.waitForTimeout(2500);
        check(await ages() === before, 'the status ages went on counting while the monitor was gone');
        check(await page.$eval('body', (b) => b.classList.contains('stale')), 'the ages are not marked stale');
    } finally {
        await browser.close();
        monitor.kill('SIGKILL');
    }
    if (failures.length) {
        console.error(failures.join('\n'));
        process.exit(1);
    }
    console.log('board test passed');
}

async function pictures(browser, failures) {
    const folder = process.env.ZENTICK_BOARD_PICTURES;
    for (const [name, options] of [['board-light', { colorScheme: 'light', viewport: { width: 1100, height: 600 } }],
                                   ['board-dark', { colorScheme: 'dark', viewport: { width: 1100, height: 600 } }],
                                   ['board-phone', { colorScheme: 'light', viewport: { width: 390, height: 760 },
                                                     deviceScaleFactor: 1, isMobile: true }]]) {
        const { context, page } = await openBoard(browser, { locale: 'en-GB', ...options }, failures);
        await page.goto(origin + '/');
        await until('rows', async () => (await visibleNames(page)).length > 0, 5000);
        await page.waitForTimeout(300);
        await page.screenshot({ path: path.join(folder, `${name}.png`) });
        await context.close();
    }
    const { context, page } = await openBoard(browser, { locale: 'en-GB', colorScheme: 'light',
                                                         viewport: { width: 1100, height: 760 } }, failures);
    await page.goto(origin + '/?view=availability');
    await until('figures', async () => (await page.$$('#clocks-table tbody tr')).length > 0, 30000);
    await page.waitForTimeout(300);
    await page.screenshot({ path: path.join(folder, 'board-availability.png') });
    await context.close();
}

const figureCells = (page, table, key) => page.$$eval(`#${table} tbody .${key}`, (c) => c.map((x) => x.textContent));

async function availability(page, clocks) {
    // From the navigation, by keyboard.
    await page.goto(origin + '/');
    await page.focus('#nav-availability');
    await page.keyboard.press('Enter');
    await page.waitForURL(/view=availability/);
    await until('every clock in the figures', async () => (await figureCells(page, 'clocks-table', 'name')).length
        === clocks.length, 30000);
    check(await page.getAttribute('#nav-availability', 'aria-current') === 'page', 'the view is not marked current');
    check(await page.isHidden('#clocks-view'), 'the clock table is still shown');
    check(await page.textContent('#clocks-table caption') === 'Clocks', 'the clocks table has no caption');
    check(await page.textContent('#availability-status') === '', 'the status region still says something');
    const names = await figureCells(page, 'clocks-table', 'name');
    for (const c of clocks)
        check(names.includes(c.name), `${c.name} is not in the figures as text: ${JSON.stringify(names)}`);
    check(await page.$$eval('#availability-view img, #availability-view script', (e) => e.length) === 0,
          'a clock name became markup in the figures');
    const site = await page.$$eval('#groups-table tbody tr.site > *', (c) => c.map((x) => x.textContent));
    check(site[0] === 'Site' && /^\d{1,3}\.\d\d%$/.test(site[2]), `the site row reads ${JSON.stringify(site)}`);

    // Sorted by the share, lowest first, by keyboard as well.
    await page.focus('#clocks-table th[data-key=answering] button');
    await page.keyboard.press('Enter');
    check(await page.getAttribute('#clocks-table th[data-key=answering]', 'aria-sort') === 'ascending',
          'the share column is not marked sorted');
    const shares = (await figureCells(page, 'clocks-table', 'answering')).map((t) => (t === '-' ? -1 : parseFloat(t)));
    check(shares.every((v, i) => i === 0 || shares[i - 1] <= v), `the shares are not in order: ${shares}`);

    // A week back and forth; the period is kept in the address.
    await page.selectOption('#period', 'week');
    await until('the week', async () => page.url().includes('period=week'), 5000);
    await until('its figures', async () => await page.textContent('#availability-status') === '', 30000);
    const thisWeek = await page.textContent('#period-text');
    check(await page.isDisabled('#next'), 'the week to come can be asked for');
    await page.click('#previous');
    await until('last week', async () => (await page.textContent('#period-text')) !== thisWeek
        && await page.textContent('#availability-status') === '', 30000);
    check(await page.isEnabled('#next'), 'Next is not offered after going back');
    await page.click('#next');
    await until('this week again', async () => await page.textContent('#period-text') === thisWeek, 30000);

    // A monitor that cannot read its history says so; a busy one is asked again.
    await page.route('**/api/v1/availability?*', (route) => route.fulfill({
        status: 503, contentType: 'application/json', body: '{"error":"the history cannot be read"}' }));
    await page.reload();
    await until('the unreadable history told', async () => await page.textContent('#availability-status')
        === 'The history cannot be read.', 10000);
    check(await page.getAttribute('#availability-status', 'role') === 'status', 'the status is not a live region');
    await page.unroute('**/api/v1/availability?*');
    let turnedAway = 0;
    await page.route('**/api/v1/availability?*', (route) => (turnedAway++ === 0
        ? route.fulfill({ status: 503, headers: { 'Retry-After': '1' }, contentType: 'application/json',
                          body: '{"error":"another availability report is being computed"}' })
        : route.continue()));
    await page.reload();
    await until('the figures after a busy answer', async () => turnedAway > 1
        && (await figureCells(page, 'clocks-table', 'name')).length === clocks.length, 15000);
    await page.unroute('**/api/v1/availability?*');

    // Back to the clocks, from the navigation.
    await page.click('#nav-clocks');
    await until('the clock rows again', async () => (await visibleNames(page)).length === clocks.length, 10000);
}

main().catch((error) => {
    console.error(`FAIL: ${error.message}`);
    process.exit(1);
});
