#include "help_page.h"

#include <cstring>
#include <stdexcept>
#include <utility>

#include "help_pictures.h"

namespace {
const char* const Style = R"(
body { background: #eee0bc; color: #462814; font-family: "DejaVu Serif", Georgia, serif;
       max-width: 46em; margin: 2em auto; padding: 0 1.5em; line-height: 1.45; }
h1 { text-align: center; font-size: 2.4em; margin-bottom: 0.1em; }
h1 + p { text-align: center; font-style: italic; margin-top: 0; }
h2 { border-bottom: 2px solid #ae8e5a; margin-top: 1.6em; }
table { border-collapse: collapse; margin: 0.6em 0; }
td, th { border: 1px solid #ae8e5a; padding: 0.25em 0.7em; text-align: left; }
th { background: #ae8e5a; color: #fff8e0; }
kbd { background: #fff8e0; border: 1px solid #ae8e5a; border-radius: 3px; padding: 0 0.3em; }
nav a { margin-right: 0.8em; }
figure { text-align: center; margin: 0.8em 0; }
figcaption { font-style: italic; font-size: 0.9em; }
figure.pair img { margin: 0 0.6em; }
td img { display: block; margin: 0 auto; }
)";

const char* const Body = R"(
<h1>Brillor I</h1>
<p>a puzzle of falling gems</p>
<nav><a href="#play">How to play</a><a href="#controls">Controls</a><a href="#scoring">Scoring</a>
<a href="#countdown">Countdown</a><a href="#boxes">Boxes</a><a href="#levels">Levels and map</a>
<a href="#players">Players</a><a href="#options">Options</a><a href="#editor">Level editor</a>
<a href="#about">About</a></nav>

<h2 id="play">How to play</h2>
<p>The board holds 18 rows of 12 hexagonal cells. You hold a set of four gems of one colour that
follows the mouse. Outlines under it show where it would land: yellow where a cell is free, red
where it is taken or off the board. Drop the set where all four cells are free.</p>
<p>A row whose twelve cells all hold plain gems, in any mix of colours, is cleared. The gems of
the board then move into the gap along the level's <b>flow arrows</b>: each arrow points from the
cell a gem comes from to the cell it moves into. Rings mark the cells where the flow ends. Every
level has its own flow: gems may fall, drift sideways, gather towards the middle or a wall, or
even rise.</p>
<figure><img src="{flow}" alt="Gems above empty cells with arrows leading down to ringed end cells">
<figcaption>Gems move along the arrows into empty cells; rings mark where the flow ends.</figcaption></figure>
<p>Armoured <b>chip gems</b> keep a row from counting. Every cleared row knocks one layer of armour
off every chip on the board, so a chip becomes a plain gem after one clear (a double-armoured chip
after two).</p>
<figure><img src="{gems}" alt="The five plain gems, and below them the five armoured chip gems">
<figcaption>The five gems (white, purple, green, blue, red) and, below, their armoured chips.</figcaption></figure>
<p>The small picture under the board shows the shape you will be handed next; the bar beside it
shows how far the level has come.</p>

<h2 id="controls">Controls</h2>
<table>
<tr><th>Input</th><th>What it does</th></tr>
<tr><td>Mouse move</td><td>carries the held set over the board</td></tr>
<tr><td>Left button</td><td>drops the set (a soft knock means it does not fit there)</td></tr>
<tr><td>Right button</td><td>turns the set by 60 degrees, in the direction chosen under Setting</td></tr>
<tr><td>Any button</td><td>on the title page and the level map: go on</td></tr>
<tr><td><kbd>&larr;</kbd> <kbd>&rarr;</kbd> <kbd>&uarr;</kbd> <kbd>&darr;</kbd></td><td>move the held set one cell:
along the row, or to the row above or below; while the laser is out, up and down move its aim. The
set stays where the keys put it until the mouse moves</td></tr>
<tr><td><kbd>Z</kbd> / <kbd>X</kbd></td><td>turn the set by 60 degrees anticlockwise / clockwise</td></tr>
<tr><td><kbd>Return</kbd></td><td>drops the set or fires the laser; on the title page, the level
map and after a lost game: go on</td></tr>
<tr><td><kbd>P</kbd> or <kbd>Pause</kbd></td><td>stops and resumes the game, as the Pause button does</td></tr>
<tr><td><kbd>Space</kbd></td><td>hides the game window at once; the game pauses while it is away</td></tr>
<tr><td><kbd>Tab</kbd>, arrows, <kbd>Space</kbd>, <kbd>Return</kbd>, <kbd>Esc</kbd></td><td>in the game's small windows:
go from button to button and between choices (a dotted frame marks the one with the keys), click or
tick it, answer OK, and Cancel</td></tr>
<tr><td><kbd>F1</kbd></td><td>opens this page</td></tr>
</table>
<p>The buttons at the left: <b>Player</b> chooses, creates or deletes a player; <b>High Scores</b>
shows the tables; <b>Setting</b> opens the options; <b>Help</b> opens this page; <b>Pause</b> stops
and resumes the game; <b>Quit</b> ends it; <b>About Brillor I</b> opens the last part of this page.
The game also pauses by itself while its window is not active and while one of its windows is
open.</p>

<h2 id="scoring">Scoring and chains</h2>
<p>A cleared row pays $100. When the flow that follows completes another row, that row is cleared
too, in the same <b>chain</b>, and pays double: $200, then $400, $800 and so on. The multiplier
appears over each row as it clears (*1, *2, *4 ...). The lowest complete row always goes first.
Money is counted into your purse coin by coin.</p>
<figure><img src="{row}" alt="A row of twelve plain gems lighting up as it clears">
<figcaption>A complete row lights up and clears.</figcaption></figure>
<p>The panel at the left shows your <b>Level</b>, <b>Money</b>, <b>Unit Price</b> (money per cleared
row) and <b>Efficiency</b> (cleared rows per second of play, times one million). A medal shines
beside each value in which you lead the high-score table; your rank grows with your medals, from
Beginner through Practician, Excellent Brillor and Expert to King Of Brillor.</p>

<h2 id="countdown">The countdown</h2>
<p>A large, faint white ring over the middle of the board shows the time left to drop the held
set: it starts as a full circle and shrinks back towards its top as the time runs out. You have
20 seconds on the first level, half a second less with every level, and never less than 10
seconds. In the second half a beat sounds every tenth of the time and the ring flashes brighter
with it. When the time runs out, the set is dropped for you: where the
mouse holds it if it fits, otherwise at the first free place found from the ends of the flow,
turned as needed. A "TIME OUT" stamp shows where it landed. When no place is left for it in any
direction, the game is over: "GAME OVER" shows over the board, and a click goes on.</p>
<figure class="pair"><img src="{ring}" alt="The board with a faint ring three quarters full">
<img src="{ringBeat}" alt="The same ring brighter, a third full, during a beat">
<figcaption>The countdown ring with three quarters of the time left, and later, brighter on a
beat.</figcaption></figure>

<h2 id="boxes">Pandora's boxes</h2>
<p>From level 2 on, a chain of cleared rows may release a box that bounces across the field (at
most five at once). A box is caught as soon as it comes near the mouse pointer (or the set the
keys move), within about 50 pixels; no click is needed. What happens depends on the box:</p>
<table>
<tr><th></th><th>Box</th><th>Outcome</th></tr>
<tr><td><img src="{box0}" alt=""></td><td>Golden chest with a gem</td><td><b>Clear gems</b>: every gem of one colour vanishes. The
holes stay until the flow next runs.</td></tr>
<tr><td><img src="{box1}" alt=""></td><td>Stone crate with a cracked chip</td><td><b>Breakground</b>: armoured chip gems rain onto the
board and settle along the flow.</td></tr>
<tr><td><img src="{box2}" alt=""></td><td>Red case with a lightning bolt</td><td><b>Laser</b>: two guns appear at the sides. Aim the
beam with the mouse and click (or with the up and down keys and Return): the two rows under it are removed (they earn nothing and do not
count for the level).</td></tr>
</table>
<p>Boxes cannot be caught while rows are clearing or while the laser is out.</p>

<h2 id="levels">Levels and the map</h2>
<p>Each level asks for a number of cleared rows: 5 on level 1, three more on each of the next
levels, and 20 from level 6 on. When the rows are done and the money is paid, the level map
shows your road: 46 points, one per level, the passed ones marked, the next one blinking, and
the level number on the flag. Click to play on. After every 46th level the stars of the whole
road light up as a constellation, and a new road begins.</p>
<p>Later levels start with more gems, more chips and awkward flows, and throw more chips from the
stone crates. 80 level files and 21 starting boards are shipped in the <code>dat</code> folder.</p>

<h2 id="players">Players and the high-score tables</h2>
<p>Every player keeps a name, a level, money, cleared rows and playing time, and the game
remembers them all between sessions. On the first start the player list opens by itself: press
<b>New</b>, type a name (up to 30 letters) and press <kbd>Enter</kbd>, then <b>Select</b> (or
<kbd>Enter</kbd> again). The <b>Player</b> button opens the same list later: choosing another
player asks first and then starts that player at the title page; <b>Delete</b> asks before it
removes a player.</p>
<p>The <b>High Scores</b> button shows everyone, ten built-in rivals included, in four tables:
Level, Money, Unit Price and Efficiency; your own rows are dark red. A medal beside a figure in
the panel at the left means you lead that table, and your rank follows the number of medals:
Beginner, Practician, Excellent Brillor, Expert, and with all four, King Of Brillor.</p>

<h2 id="options">Options</h2>
<p>The Setting button opens the options: the music volume, the sound-effect volume, and the
turning direction of the right button (click the anticlockwise or the clockwise icon). They are
kept for the next session.</p>
<p>The <b>More...</b> button in the options opens a second page. Every choice on it is off
until you turn it on:</p>
<ul>
<li><b>Symbols on gems</b>: each colour also carries its own shape (white a plus, purple a
triangle, green a square, blue a diamond, red a star), chips included, so the colours can be
told apart without seeing colour.</li>
<li><b>Relaxed pace</b>: no countdown, no automatic drop and no hurry-up; take all the time you
like. Levels pass as usual; your record counts them as relaxed levels.</li>
<li><b>Drop preview</b>: the rows your piece would complete light up in gold and the money they
would pay shows beside the piece ("+$300 x1": the first row pays at x1, each further row twice
the one before). The piece sits exactly on the cells it would fill, and a small ring around it
runs down with the countdown, brighter as time runs out.</li>
<li><b>Window Size</b>: 100 %, 150 % or 200 %; the whole window is scaled, from the next
start.</li>
</ul>
<p>With <b>Player records</b> ticked, the player list also shows the selected player's record:
games, levels passed, time played, rows cleared, the longest chain and the best money in one
level.</p>

<h2 id="editor">The level editor</h2>
<p>The level editor is for designers. Press <kbd>Ctrl</kbd>+<kbd>E</kbd> in the game's window, or
start the game with <code>brillor --editor</code>, to show its small tool window. "Open" picks a
level file (<code>dat/a00</code> to <code>dat/a79</code>; a new name starts a new level) and shows
its flow on the board. A left click on a cell selects it and a left click on a neighbour then
links the two: a gem will flow from the selected cell into the neighbour. The "Clear" button (or
the <kbd>c</kbd> key) removes the links into the selected cell, which stays selected: click it
again to let it go. The colour buttons, "Chip" and
"None" choose what a right click paints. The upper "Save" writes the flow and the six numbers
(rows to pass, countdown seconds, chips per breakground box, and the weights of the laser,
breakground and clear-gems boxes) into the level file opened last; the lower "Save" writes the
painted starting board as a layout (<code>dat/d00</code> to <code>dat/d20</code>), and "Load"
reads a layout to paint on. In the game itself the rows to pass and the countdown follow the
level number.</p>
<p>"Check" lists what would go wrong in play: loops in the flow (a flow that runs in a circle
never settles), cells whose gems can never reach an end cell, a link made twice, a starting row
that is already complete, and numbers outside sensible ranges; otherwise it says "No problems
found.". "Play" tries the level as it stands, with the numbers as typed, without touching your
level, money, rows or playing time; <kbd>Esc</kbd>, a lost game or a passed level bring you back
to the editor as you left it. "SetLevel" sets the current player's level, so that a saved level
can be played from the map: level L plays <code>a</code>(L&minus;1) with layout
<code>d20</code> for level 1 and <code>d</code>((L&minus;2) mod 20) after. Closing the tool window
goes back to the title. Levels you save are kept with your players and played instead of the
shipped ones.</p>

<h2 id="about">About Brillor I</h2>
<p>Brillor I, version 1.0: a puzzle game of falling gems for the Linux desktop. Every picture,
sound, tune and level of the game is made by its own generator when the game is built. The game
keeps your settings and players in the <code>dat</code> folder beside it, or, when it is
installed, under <code>~/.local/share/brillor/dat</code>.</p>
)";


// The body with each {name} replaced by its picture.
std::string WithPictures(std::string body) {
  const std::pair<const char*, QImage> pictures[] = {
      {"{gems}", HelpGemsPicture()},         {"{flow}", HelpFlowPicture()},
      {"{row}", HelpClearedRowPicture()},    {"{ring}", HelpRingPicture(75, 30)},
      {"{ringBeat}", HelpRingPicture(35, 80)}, {"{box0}", HelpBoxPicture(0)},
      {"{box1}", HelpBoxPicture(1)},         {"{box2}", HelpBoxPicture(2)}};
  for (const auto& [name, picture] : pictures) {
    const size_t at = body.find(name);
    if (at == std::string::npos) throw std::logic_error(std::string("the help page has no place for ") + name);
    body.replace(at, std::strlen(name), PngDataUri(picture));
  }
  return body;
}
}  // namespace

std::string HelpPageHtml() {
  return std::string("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                     "<title>Brillor I - Help</title>\n<style>") +
         Style + "</style>\n</head>\n<body>" + WithPictures(Body) + "</body>\n</html>\n";
}

void WriteHelpPage(const TContentFolder& game) { game.Write(HelpPageFile, HelpPageHtml()); }
