'use strict';
// The status board: polls the monitor's API and keeps one table row per
// clock. Clock-supplied text only ever goes into textContent.
(function () {
    const pollMs = 1000;
    const replyMs = 5000;
    const texts = document.body.dataset;
    const lang = document.documentElement.lang;
    const columns = ['name', 'ip', 'group', 'state', 'muted', 'age', 'temperature', 'brightness'];
    const severityOrder = { critical: 0, warning: 1, unknown: 2, ok: 3 };
    const params = new URLSearchParams(location.search);
    // The availability view is availability.js's; this one keeps still.
    if (params.get('view') === 'availability')
        return;
    const view = {
        q: params.get('q') || '',
        problems: params.get('problems') === '1',
        sort: columns.includes(params.get('sort')) ? params.get('sort') : 'name',
        desc: params.get('dir') === 'desc',
    };
    const rows = new Map(); // clock id -> { clock, tr, cells }
    let version = '0';
    let lastOrder = '';
    let openId = null;
    // The last few updates: clocks applied and milliseconds taken (benchmarks read it).
    const timings = window.boardTimings = [];

    const $ = (id) => document.getElementById(id);
    const tbody = $('rows');
    const filter = $('filter');
    const problems = $('problems');
    const banner = $('banner');
    const labels = {};
    document.querySelectorAll('#clocks th[data-key]').forEach((th) => { labels[th.dataset.key] = th.textContent; });

    function api(path, extra) {
        const url = new URL(path, location.href);
        url.search = '';
        url.searchParams.set('lang', lang);
        for (const [key, value] of Object.entries(extra || {}))
            url.searchParams.set(key, value);
        // A monitor that takes the connection but never answers is gone too.
        return fetch(url, { cache: 'no-store', credentials: 'same-origin', signal: AbortSignal.timeout(replyMs) })
            .then((reply) => {
                if (!reply.ok)
                    throw new Error(String(reply.status));
                return reply.json();
            });
    }

    function keepView() {
        const next = new URLSearchParams();
        if (params.has('lang'))
            next.set('lang', params.get('lang'));
        if (view.q)
            next.set('q', view.q);
        if (view.problems)
            next.set('problems', '1');
        if (view.sort !== 'name')
            next.set('sort', view.sort);
        if (view.desc)
            next.set('dir', 'desc');
        const search = next.toString();
        history.replaceState(null, '', search ? '?' + search : location.pathname);
    }

    function ageText(statusTime, now) {
        if (!statusTime)
            return '';
        const s = Math.max(0, Math.round((now - Date.parse(statusTime)) / 1000));
        if (s < 120)
            return s + ' s';
        if (s < 7200)
            return Math.round(s / 60) + ' min';
        if (s < 172800)
            return Math.round(s / 3600) + ' h';
        return Math.round(s / 86400) + ' d';
    }

    // One way to write a moment on the whole page, in its language: day
    // first, 24 hours with seconds, as the clocks write their last
    // synchronisation ("08.12.2026 15:50:56"). English is the program's,
    // not the browser's US one.
    function dateFormat(timeZone) {
        return new Intl.DateTimeFormat(lang === 'en' ? 'en-GB' : lang, {
            day: '2-digit', month: '2-digit', year: 'numeric', hour: '2-digit', minute: '2-digit',
            second: '2-digit', hourCycle: 'h23', timeZone,
        });
    }
    const localFormat = dateFormat(undefined);
    const wallFormat = dateFormat('UTC');
    function dateText(format, date) {
        return format.formatToParts(date)
            .map((part) => (part.type === 'literal' && part.value.includes(',') ? ' ' : part.value))
            .join('').replace(/\s+/g, ' ').trim();
    }
    function localTime(iso) {
        return dateText(localFormat, new Date(iso));
    }
    // A clock's own times are its wall-clock time; only their writing changes.
    function clockTimes(text) {
        return text.replace(/\b(\d{2})\.(\d{2})\.(\d{4}) (\d{2}):(\d{2}):(\d{2})\b/g, (whole, d, mo, y, h, mi, s) => {
            const date = new Date(Date.UTC(+y, mo - 1, +d, +h, +mi, +s));
            return Number.isNaN(date.getTime()) ? whole : dateText(wallFormat, date);
        });
    }
    const percent = new Intl.NumberFormat(lang, { style: 'percent', maximumFractionDigits: 0 });

    function setText(cell, text) {
        if (cell.textContent !== text) {
            cell.textContent = text;
            cell.classList.toggle('empty', text === '');
        }
    }

    function makeRow(id) {
        const tr = document.createElement('tr');
        const cells = {};
        for (const key of columns) {
            const td = document.createElement('td');
            td.dataset.label = labels[key];
            td.className = key;
            if (key === 'temperature' || key === 'brightness' || key === 'age')
                td.classList.add('num');
            if (key !== 'name' && key !== 'state')
                td.classList.add('empty');
            cells[key] = td;
            tr.appendChild(td);
        }
        const button = document.createElement('button');
        button.type = 'button';
        button.addEventListener('click', () => openHistory(id));
        cells.name.appendChild(button);
        const dot = document.createElement('span');
        const stateText = document.createElement('span');
        cells.state.append(dot, stateText);
        return { tr, cells, button, dot, stateText, clock: null };
    }

    function fill(row, now) {
        const c = row.clock;
        if (row.button.textContent !== c.name) {
            row.button.textContent = c.name;
            row.button.setAttribute('aria-label', texts.tHistory + ': ' + c.name);
        }
        setText(row.cells.ip, c.ip);
        setText(row.cells.group, c.group);
        row.dot.className = 'sev sev-' + c.severity;
        // The API leaves the update line out of the state, so that a poll
        // alone is no change of a row; it is written here from the status time.
        const updated = c.statusTime ? texts.tUpdated + ': ' + localTime(c.statusTime) : '';
        const state = [clockTimes(c.state), updated].filter((line) => line).join('\n');
        if (row.stateText.textContent !== state)
            row.stateText.textContent = state;
        row.tr.dataset.severity = c.severity;
        const muted = c.muted ? (c.mutedUntil ? localTime(c.mutedUntil) : texts.tLifted) : '';
        setText(row.cells.muted, [muted, c.quietHours || ''].filter(Boolean).join(' · '));
        setText(row.cells.age, ageText(c.statusTime, now));
        setText(row.cells.temperature, c.temperature === null ? '-' : c.temperature + ' °' + c.temperatureUnit);
        // A percentage, as the value report writes it.
        setText(row.cells.brightness, c.brightness === null ? '-' : percent.format(c.brightness / 100));
    }

    function sortValue(c, key) {
        switch (key) {
        case 'state': return severityOrder[c.severity] * 10 + c.ntp;
        case 'muted': return c.muted ? (c.mutedUntil ? Date.parse(c.mutedUntil) : Infinity) : -Infinity;
        case 'age': return c.statusTime ? -Date.parse(c.statusTime) : -Infinity;
        case 'temperature': return c.temperature === null ? -Infinity : c.temperature;
        case 'brightness': return c.brightness === null ? -Infinity : c.brightness;
        default: return c[key] || '';
        }
    }

    const collator = new Intl.Collator(lang, { numeric: true, sensitivity: 'base' });
    function compare(a, b) {
        const x = sortValue(a.clock, view.sort);
        const y = sortValue(b.clock, view.sort);
        let order = typeof x === 'string' ? collator.compare(x, y) : (x < y ? -1 : x > y ? 1 : 0);
        if (order === 0)
            order = collator.compare(a.clock.name, b.clock.name) || collator.compare(a.clock.ip, b.clock.ip);
        return view.desc ? -order : order;
    }

    function arrange(resort) {
        const needle = view.q.trim().toLowerCase();
        let shown = 0;
        for (const row of rows.values()) {
            const c = row.clock;
            const visible = (!needle || c.name.toLowerCase().includes(needle) || c.ip.includes(needle))
                && (!view.problems || c.severity !== 'ok');
            if (row.tr.hidden === visible)
                row.tr.hidden = !visible;
            shown += visible ? 1 : 0;
        }
        if (resort !== false) {
            const sorted = Array.from(rows.values()).sort(compare);
            const order = sorted.map((row) => row.clock.id).join(',');
            if (order !== lastOrder) {
                lastOrder = order;
                const fragment = document.createDocumentFragment();
                for (const row of sorted)
                    fragment.appendChild(row.tr);
                tbody.appendChild(fragment);
            }
        }
        document.querySelectorAll('#clocks th[data-key]').forEach((th) => {
            if (th.dataset.key === view.sort)
                th.setAttribute('aria-sort', view.desc ? 'descending' : 'ascending');
            else
                th.removeAttribute('aria-sort');
        });
        $('shown').textContent = texts.tShown.replace('%1', shown).replace('%2', rows.size);
    }

    function apply(data) {
        const started = performance.now();
        const now = Date.now();
        if (data.complete) {
            const keep = new Set(data.clocks.map((c) => c.id));
            for (const [id, row] of rows) {
                if (!keep.has(id)) {
                    row.tr.remove();
                    rows.delete(id);
                }
            }
        }
        // Sorting again is only needed when a row came or its sort value moved.
        let moved = data.complete || view.sort === 'age';
        for (const clock of data.clocks) {
            let row = rows.get(clock.id);
            if (!row) {
                row = makeRow(clock.id);
                rows.set(clock.id, row);
                moved = true;
            } else if (!moved && (sortValue(row.clock, view.sort) !== sortValue(clock, view.sort)
                                  || row.clock.name !== clock.name || row.clock.ip !== clock.ip)) {
                moved = true;
            }
            row.clock = clock;
            fill(row, now);
        }
        // Clocks polled with nothing else new: only their status times come.
        for (const [id, statusTime] of Object.entries(data.statusTimes || {})) {
            const row = rows.get(id);
            if (row && !data.complete) {
                row.clock.statusTime = statusTime;
                fill(row, now);
            }
        }
        // Ages move on even where nothing changed.
        for (const row of rows.values())
            setText(row.cells.age, ageText(row.clock.statusTime, now));
        version = data.version;
        $('summary').textContent = data.summary.text;
        arrange(moved);
        if (!timings.firstRows && rows.size > 0)
            requestAnimationFrame(() => setTimeout(() => { timings.firstRows = performance.now(); }));
        const timing = { clocks: data.clocks.length, ms: performance.now() - started };
        timings.push(timing);
        requestAnimationFrame(() => setTimeout(() => { timing.painted = performance.now() - started; }));
        if (timings.length > 100)
            timings.shift();
    }

    // While the monitor is gone nobody knows how old a status is: the ages
    // stay as last received, marked stale, until it answers again.
    function reachable(yes) {
        banner.hidden = yes;
        document.body.classList.toggle('stale', !yes);
    }

    function poll() {
        api('api/v1/clocks', { since: version }).then((data) => {
            reachable(true);
            apply(data);
        }, () => reachable(false)).finally(() => setTimeout(poll, pollMs));
    }

    function openHistory(id) {
        const row = rows.get(id);
        if (!row)
            return;
        rows.forEach((r) => r.tr.classList.toggle('open', r === row));
        openId = id;
        const section = $('history');
        const title = $('history-title');
        const list = $('events');
        title.textContent = texts.tHistory + ': ' + row.clock.name + ' (' + row.clock.ip + ')';
        list.replaceChildren();
        section.hidden = false;
        title.focus();
        api('api/v1/clocks/' + encodeURIComponent(row.clock.ip) + '/events').then((data) => {
            if (openId !== id)
                return;
            if (data.events.length === 0) {
                const item = document.createElement('li');
                item.textContent = texts.tNoevents;
                list.appendChild(item);
            }
            for (const event of data.events) {
                const item = document.createElement('li');
                const time = document.createElement('time');
                time.dateTime = event.time;
                time.textContent = localTime(event.time);
                item.append(time, document.createTextNode(event.text));
                list.appendChild(item);
            }
        }, () => reachable(false));
    }

    function closeHistory() {
        const row = rows.get(openId);
        $('history').hidden = true;
        openId = null;
        rows.forEach((r) => r.tr.classList.remove('open'));
        if (row)
            row.button.focus();
    }

    filter.value = view.q;
    problems.checked = view.problems;
    filter.addEventListener('input', () => { view.q = filter.value; keepView(); arrange(); });
    problems.addEventListener('change', () => { view.problems = problems.checked; keepView(); arrange(); });
    document.querySelectorAll('#clocks th[data-key] button').forEach((button) => {
        button.addEventListener('click', () => {
            const key = button.parentElement.dataset.key;
            view.desc = view.sort === key ? !view.desc : false;
            view.sort = key;
            keepView();
            arrange();
        });
    });
    $('history-close').addEventListener('click', closeHistory);
    $('history').addEventListener('keydown', (event) => {
        if (event.key === 'Escape')
            closeHistory();
    });
    // The sort from the address is told before the first answer comes.
    arrange();
    poll();
}());
