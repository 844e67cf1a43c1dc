'use strict';
// The board's navigation, and its availability view: a day's, week's or
// month's figures per group and per clock from /api/v1/availability, in two
// tables sorted like the clocks'. Clock-supplied text only ever goes into
// textContent.
(function () {
    const params = new URLSearchParams(location.search);
    const onView = params.get('view') === 'availability';
    const $ = (id) => document.getElementById(id);
    // The links keep the page's language.
    for (const link of [$('nav-clocks'), $('nav-availability')]) {
        const url = new URL(link.href);
        if (params.has('lang'))
            url.searchParams.set('lang', params.get('lang'));
        link.href = url.pathname + url.search;
    }
    if (!onView)
        return;
    $('nav-clocks').removeAttribute('aria-current');
    $('nav-availability').setAttribute('aria-current', 'page');
    $('clocks-view').hidden = true;
    $('availability-view').hidden = false;

    const replyMs = 60000;
    const texts = document.body.dataset;
    const lang = document.documentElement.lang;
    const kinds = ['month', 'week', 'day'];
    const isoDate = (d) => [d.getFullYear(), String(d.getMonth() + 1).padStart(2, '0'),
                            String(d.getDate()).padStart(2, '0')].join('-');
    const view = {
        period: kinds.includes(params.get('period')) ? params.get('period') : 'month',
        at: /^\d{4}-\d\d-\d\d$/.test(params.get('at') || '') ? params.get('at') : isoDate(new Date()),
    };
    const tables = {
        groups: { table: $('groups-table'), list: [], key: 'name', desc: false },
        clocks: { table: $('clocks-table'), list: [], key: 'name', desc: false },
    };
    const status = $('availability-status');
    let asked = 0;
    let retry = null;

    // The first day of the period holding the date, n periods on.
    function step(at, n) {
        const [y, m, d] = at.split('-').map(Number);
        let date = new Date(y, m - 1, d);
        if (view.period === 'week')
            date = new Date(y, m - 1, d - (date.getDay() + 6) % 7 + 7 * n);
        else if (view.period === 'month')
            date = new Date(y, m - 1 + n, 1);
        else
            date = new Date(y, m - 1, d + n);
        return isoDate(date);
    }

    const share = new Intl.NumberFormat(lang, { style: 'percent', minimumFractionDigits: 2,
                                                maximumFractionDigits: 2 });
    const dayFormat = new Intl.DateTimeFormat(lang === 'en' ? 'en-GB' : lang,
                                              { day: '2-digit', month: '2-digit', year: 'numeric' });
    // Hours and minutes, as the report writes them.
    function duration(secs) {
        if (secs === null || secs === undefined || secs < 0)
            return '-';
        const minutes = Math.floor(secs / 60);
        return Math.floor(minutes / 60) + ':' + String(minutes % 60).padStart(2, '0');
    }
    const fields = {
        name: (f) => f.name, ip: (f) => f.ip, group: (f) => f.group, clocks: (f) => f.clocks,
        answering: (f) => f.answeringShare, synchronised: (f) => f.synchronisedShare,
        incidents: (f) => f.incidents, longest: (f) => (f.incidents > 0 ? f.longestIncidentSeconds : null),
        mttr: (f) => f.meanRecoverySeconds, quiet: (f) => f.quietSeconds,
    };
    function cellText(f, key, scope) {
        const v = fields[key](f);
        switch (key) {
        case 'name':
            if (scope === 'groups' && f.site)
                return texts.tSite;
            return scope === 'groups' && !v ? texts.tNogroup : v;
        case 'answering':
        case 'synchronised': return v === null ? '-' : share.format(v);
        case 'longest':
        case 'mttr':
        case 'quiet': return duration(v);
        default: return String(v);
        }
    }

    const collator = new Intl.Collator(lang, { numeric: true, sensitivity: 'base' });
    function sorted(entry) {
        const key = entry.key;
        const order = (a, b) => {
            // The site stays below its groups.
            if (a.site !== b.site)
                return a.site ? 1 : -1;
            const x = fields[key](a);
            const y = fields[key](b);
            let o;
            if (typeof x === 'string' || typeof y === 'string')
                o = collator.compare(x || '', y || '');
            else
                o = (x === null ? -Infinity : x) - (y === null ? -Infinity : y) || 0;
            o = o || collator.compare(a.name, b.name) || collator.compare(a.ip || '', b.ip || '');
            return entry.desc ? -o : o;
        };
        return entry.list.slice().sort(order);
    }

    function render(scope) {
        const entry = tables[scope];
        const heads = Array.from(entry.table.querySelectorAll('th[data-key]'));
        const rows = document.createDocumentFragment();
        for (const f of sorted(entry)) {
            const tr = document.createElement('tr');
            for (const th of heads) {
                const td = document.createElement(th.dataset.key === 'name' ? 'th' : 'td');
                if (td.tagName === 'TH')
                    td.scope = 'row';
                td.className = th.dataset.key;
                td.dataset.label = th.textContent;
                if (th.dataset.key !== 'name' && th.dataset.key !== 'ip' && th.dataset.key !== 'group')
                    td.classList.add('num');
                td.textContent = cellText(f, th.dataset.key, scope);
                tr.appendChild(td);
            }
            if (f.site)
                tr.className = 'site';
            rows.appendChild(tr);
        }
        entry.table.tBodies[0].replaceChildren(rows);
        for (const th of heads) {
            if (th.dataset.key === entry.key)
                th.setAttribute('aria-sort', entry.desc ? 'descending' : 'ascending');
            else
                th.removeAttribute('aria-sort');
        }
    }

    function keepView() {
        const next = new URLSearchParams();
        if (params.has('lang'))
            next.set('lang', params.get('lang'));
        next.set('view', 'availability');
        next.set('period', view.period);
        next.set('at', view.at);
        history.replaceState(null, '', '?' + next.toString());
    }

    function periodText(from, to) {
        const first = dayFormat.format(new Date(from));
        const last = dayFormat.format(new Date(Date.parse(to) - 1));
        return first === last ? first : first + ' – ' + last;
    }

    // The region stays in place, so that screen readers hear each change.
    function say(text) {
        status.textContent = text;
    }

    function load() {
        const mine = ++asked;
        clearTimeout(retry);
        keepView();
        $('period').value = view.period;
        $('next').disabled = step(view.at, 1) > isoDate(new Date());
        say(texts.tLoading);
        const url = new URL('api/v1/availability', location.href);
        url.search = new URLSearchParams({ period: view.period, at: view.at, lang }).toString();
        fetch(url, { cache: 'no-store', credentials: 'same-origin', signal: AbortSignal.timeout(replyMs) })
            .then((reply) => {
                if (mine !== asked)
                    return;
                if (reply.status === 503 && reply.headers.has('Retry-After')) {
                    // Another report is being computed: ask again when it should be done.
                    retry = setTimeout(load, Number(reply.headers.get('Retry-After')) * 1000);
                    return;
                }
                if (!reply.ok)
                    throw new Error(String(reply.status));
                return reply.json().then((data) => {
                    if (mine !== asked)
                        return;
                    $('period-text').textContent = periodText(data.from, data.to);
                    tables.groups.list = data.groups.concat([Object.assign({ site: true }, data.site)]);
                    tables.clocks.list = data.clocks;
                    render('groups');
                    render('clocks');
                    say('');
                });
            })
            .catch((error) => {
                if (mine === asked)
                    say(error.message === '503' ? texts.tUnreadable : texts.tFailed);
            });
    }

    $('period').addEventListener('change', () => {
        view.period = $('period').value;
        load();
    });
    $('previous').addEventListener('click', () => { view.at = step(view.at, -1); load(); });
    $('next').addEventListener('click', () => { view.at = step(view.at, 1); load(); });
    for (const scope of Object.keys(tables)) {
        tables[scope].table.querySelectorAll('th[data-key] button').forEach((button) => {
            button.addEventListener('click', () => {
                const entry = tables[scope];
                const key = button.parentElement.dataset.key;
                entry.desc = entry.key === key ? !entry.desc : false;
                entry.key = key;
                render(scope);
            });
        });
    }
    load();
}());
