<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>menu</name>
    <!-- Captions of the menu bar and its items. -->
    <message>
        <source>対局</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>対局(人間)</source>
        <translation>Two players</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>対局(COM)</source>
        <translation>Against the computer</translation>
    </message>
    <message>
        <source>先手</source>
        <translation>Play Black (you move first)</translation>
    </message>
    <message>
        <source>後手</source>
        <translation>Play White (the computer moves first)</translation>
    </message>
    <message>
        <source>終わり</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>局面</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>最初</source>
        <translation>Back to the start</translation>
    </message>
    <message>
        <source>戻</source>
        <translation>Take back</translation>
    </message>
    <message>
        <source>進</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>移動指導</source>
        <translation>Show where a piece can go</translation>
    </message>
    <message>
        <source>BGM</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>拡大</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>縮小</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>元の大きさ</source>
        <translation>Classic size</translation>
    </message>
    <message>
        <source>全画面</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>English</source>
        <translation>日本語 (Japanese)</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>box</name>
    <!-- Message boxes: their texts and titles. -->
    <message>
        <source>先手の番です</source>
        <translation>Black to move</translation>
    </message>
    <message>
        <source>後手の番です</source>
        <translation>White to move</translation>
    </message>
    <message>
        <source>「対局」で始めて下さい</source>
        <translation>Start a game from the “Game” menu</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>対局相手の途中変更は不可</source>
        <translation>The opponent cannot be changed during a game</translation>
    </message>
    <message>
        <source>  局面 → 最初にして下さい</source>
        <translation>  Choose Position → Back to the start first</translation>
    </message>
    <message>
        <source>3 * 3 です！打てません</source>
        <translation>3 * 3: a double three! You cannot play there</translation>
    </message>
    <message>
        <source>4 * 4 です！打てません</source>
        <translation>4 * 4: a double four! You cannot play there</translation>
    </message>
    <message>
        <source>マウスの右をクリックして下さい</source>
        <translation>This piece must promote: click with the right mouse button</translation>
    </message>
    <message>
        <source>成り</source>
        <translation>Promotion</translation>
    </message>
    <message>
        <source>駒をクリックて下さい</source>
        <translation>Click a piece</translation>
    </message>
    <message>
        <source>できません</source>
        <translation>Not possible</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Take back</translation>
    </message>
    <message>
        <source>進む</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>先手の勝ちです</source>
        <translation>Black wins</translation>
    </message>
    <message>
        <source>後手の勝ちです</source>
        <translation>White wins</translation>
    </message>
    <message>
        <source>ＣＯＭの勝ちです</source>
        <translation>The computer wins</translation>
    </message>
    <message>
        <source>あなたの勝ちです</source>
        <translation>You win</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Game over</translation>
    </message>
    <message>
        <source>引き分けです</source>
        <translation>The game is drawn</translation>
    </message>
    <message>
        <source>Direct Soundインターフェースが作成できません。</source>
        <translation>The sound device cannot be opened.</translation>
    </message>
    <message>
        <source>サウンドファイル「%1」を読み込めません。(%2)</source>
        <translation>Cannot read the sound file “%1” (%2).</translation>
    </message>
    <message>
        <source>サウンドファイル「%1」は使えるWAVEファイルではありません。</source>
        <translation>The sound file “%1” is not a usable WAVE file.</translation>
    </message>
    <message>
        <source>空のファイルです</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>フォルダーです</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>メモリーが足りません</source>
        <translation>not enough memory</translation>
    </message>
</context>
<context>
    <name>board</name>
    <!-- Texts drawn on the board: the thinking notice, the move count, the row numerals and each move: column, row, piece, in the letters of English shogi notation (the rows a to i, the pieces P L N S G B R K, + for promoted). Keep them about as short as the Japanese: they must fit their places. -->
    <message>
        <source>思考中</source>
        <translation>Thinking...</translation>
    </message>
    <message>
        <source>手目</source>
        <translation>moves</translation>
    </message>
    <message>
        <source>一</source>
        <translation>a</translation>
    </message>
    <message>
        <source>二</source>
        <translation>b</translation>
    </message>
    <message>
        <source>三</source>
        <translation>c</translation>
    </message>
    <message>
        <source>四</source>
        <translation>d</translation>
    </message>
    <message>
        <source>五</source>
        <translation>e</translation>
    </message>
    <message>
        <source>六</source>
        <translation>f</translation>
    </message>
    <message>
        <source>七</source>
        <translation>g</translation>
    </message>
    <message>
        <source>八</source>
        <translation>h</translation>
    </message>
    <message>
        <source>九</source>
        <translation>i</translation>
    </message>
    <message>
        <source>１</source>
        <translation>1</translation>
    </message>
    <message>
        <source>２</source>
        <translation>2</translation>
    </message>
    <message>
        <source>３</source>
        <translation>3</translation>
    </message>
    <message>
        <source>４</source>
        <translation>4</translation>
    </message>
    <message>
        <source>５</source>
        <translation>5</translation>
    </message>
    <message>
        <source>６</source>
        <translation>6</translation>
    </message>
    <message>
        <source>７</source>
        <translation>7</translation>
    </message>
    <message>
        <source>８</source>
        <translation>8</translation>
    </message>
    <message>
        <source>９</source>
        <translation>9</translation>
    </message>
    <message>
        <source>歩</source>
        <translation>P</translation>
    </message>
    <message>
        <source>と</source>
        <translation>+P</translation>
    </message>
    <message>
        <source>香</source>
        <translation>L</translation>
    </message>
    <message>
        <source>香成</source>
        <translation>+L</translation>
    </message>
    <message>
        <source>桂</source>
        <translation>N</translation>
    </message>
    <message>
        <source>桂成</source>
        <translation>+N</translation>
    </message>
    <message>
        <source>銀</source>
        <translation>S</translation>
    </message>
    <message>
        <source>銀成</source>
        <translation>+S</translation>
    </message>
    <message>
        <source>金</source>
        <translation>G</translation>
    </message>
    <message>
        <source>角</source>
        <translation>B</translation>
    </message>
    <message>
        <source>角成</source>
        <translation>+B</translation>
    </message>
    <message>
        <source>飛</source>
        <translation>R</translation>
    </message>
    <message>
        <source>飛成</source>
        <translation>+R</translation>
    </message>
    <message>
        <source>王</source>
        <translation>K</translation>
    </message>
</context>
</TS>
