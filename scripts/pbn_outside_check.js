// Reads a PBN file Kesto wrote with the PBN parser of npm's "pbn" package (not Kesto's own
// reader) and checks what a program that takes PBN export files relies on: the "% PBN 2.1"
// and "% EXPORT" lines, the fifteen tags of every game in their fixed order, board numbers
// 1, 2, 3 ..., dealer and vulnerability by the sixteen-board cycle, the Deal tag starting with
// the dealer and holding no card twice and no hand of more than 13 cards, and the same board,
// dealer, vulnerability and deal as Kesto's own deal records (kesto batch --list).
//
//   node pbn_outside_check.js FILE.pbn LIST.txt [--whole]
//
// --whole: every deal must hold all 52 cards. Exit status 0 when all holds, 1 otherwise.
'use strict';

const fs = require('fs');
const pbn = require('pbn');

const [file, listFile, ...flags] = process.argv.slice(2);
const whole = flags.includes('--whole');
const tagOrder = ['Event', 'Site', 'Date', 'Board', 'West', 'North', 'East', 'South', 'Dealer',
                  'Vulnerable', 'Deal', 'Scoring', 'Declarer', 'Contract', 'Result'];
const vulnerability = ['None', 'NS', 'EW', 'All', 'NS', 'EW', 'All', 'None',
                       'EW', 'All', 'None', 'NS', 'All', 'None', 'NS', 'EW'];
const problems = [];
const directives = [];
const games = [];

function check(condition, text) {
    if (!condition) problems.push(text);
}

function checkGame(game, index) {
    const board = index + 1;
    const where = 'board ' + board;
    const names = game.map(tag => tag.name);
    check(JSON.stringify(names.slice(0, 15)) === JSON.stringify(tagOrder),
          where + ': tags ' + names.join(' '));
    const sorted = names.slice(15).slice().sort();
    check(JSON.stringify(names.slice(15)) === JSON.stringify(sorted),
          where + ': further tags not in the order of their names');
    const value = name => (game.find(tag => tag.name === name) || {}).value;
    check(value('Board') === String(board), where + ': Board "' + value('Board') + '"');
    const dealer = 'NESW'[(board - 1) % 4];
    check(value('Dealer') === dealer, where + ': Dealer "' + value('Dealer') + '"');
    check(value('Vulnerable') === vulnerability[(board - 1) % 16],
          where + ': Vulnerable "' + value('Vulnerable') + '"');
    check(/^(\d{4}\.\d\d\.\d\d|\?)$/.test(value('Date')), where + ': Date "' + value('Date') + '"');
    const deal = game.find(tag => tag.name === 'Deal');
    check(deal && deal.value.startsWith(dealer + ':'), where + ': Deal does not start with the dealer');
    const cards = (deal && deal.cards) || [];
    const seen = new Set(cards.map(card => card.suit + card.rank));
    check(seen.size === cards.length, where + ': a card twice');
    for (const seat of 'NESW') {
        const count = cards.filter(card => card.seat === seat).length;
        check(count <= 13 && (!whole || count === 13), where + ': ' + seat + ' holds ' + count);
    }
    for (const card of cards) {
        check('SHDC'.includes(card.suit) && 'AKQJT98765432'.includes(card.rank),
              where + ': card ' + card.suit + card.rank);
    }
    return '[Board "' + value('Board') + '"]|[Dealer "' + value('Dealer') + '"]|[Vulnerable "' +
           value('Vulnerable') + '"]|[Deal "' + (deal ? deal.value : '') + '"]';
}

fs.createReadStream(file)
    .pipe(pbn())
    .on('data', item => {
        if (item.type === 'directive') directives.push(item.text);
        if (item.type === 'game') games.push([]);
        if (item.type === 'tag') games[games.length - 1].push(item);
        if (item.type === 'comment') problems.push('a comment: ' + item.text);
    })
    .on('error', error => {
        console.error(file + ': the PBN parser refused the file: ' + error.message);
        process.exit(1);
    })
    .on('end', () => {
        check(JSON.stringify(directives) === JSON.stringify(['PBN 2.1', 'EXPORT']),
              'first lines: ' + directives.join(' | '));
        const records = games.map(checkGame);
        const expected = fs.readFileSync(listFile, 'latin1').split('\n').filter(line => line);
        check(records.length === expected.length,
              records.length + ' games, Kesto listed ' + expected.length + ' boards');
        records.forEach((record, i) => check(record === expected[i],
                                             'game ' + (i + 1) + ': ' + record +
                                             '\n  Kesto: ' + expected[i]));
        if (problems.length > 0) {
            console.error(file + ':\n  ' + problems.join('\n  '));
            process.exit(1);
        }
        console.log(file + ': ' + games.length + ' games read by the outside PBN parser, all as Kesto wrote them');
    });
