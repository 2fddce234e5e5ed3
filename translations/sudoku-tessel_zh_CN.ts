<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Board</name>
    <message>
        <source>black</source>
        <comment>黑色</comment>
        <translation>黑色</translation>
    </message>
    <message>
        <source>maroon</source>
        <comment>栗色</comment>
        <translation>栗色</translation>
    </message>
    <message>
        <source>green</source>
        <comment>绿色</comment>
        <translation>绿色</translation>
    </message>
    <message>
        <source>olive</source>
        <comment>橄榄色</comment>
        <translation>橄榄色</translation>
    </message>
    <message>
        <source>navy</source>
        <comment>深蓝色</comment>
        <translation>深蓝色</translation>
    </message>
    <message>
        <source>purple</source>
        <comment>紫色</comment>
        <translation>紫色</translation>
    </message>
    <message>
        <source>teal</source>
        <comment>青色</comment>
        <translation>青色</translation>
    </message>
    <message>
        <source>silver</source>
        <comment>银色</comment>
        <translation>银色</translation>
    </message>
    <message>
        <source>grey</source>
        <comment>灰色</comment>
        <translation>灰色</translation>
    </message>
    <message>
        <source>red</source>
        <comment>红色</comment>
        <translation>红色</translation>
    </message>
    <message>
        <source>lime</source>
        <comment>亮绿色</comment>
        <translation>亮绿色</translation>
    </message>
    <message>
        <source>yellow</source>
        <comment>黄色</comment>
        <translation>黄色</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>蓝色</comment>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>fuchsia</source>
        <comment>洋红色</comment>
        <translation>洋红色</translation>
    </message>
    <message>
        <source>aqua</source>
        <comment>浅绿色</comment>
        <translation>浅绿色</translation>
    </message>
    <message>
        <source>white</source>
        <comment>白色</comment>
        <translation>白色</translation>
    </message>
    <message>
        <source>colour</source>
        <comment>颜色</comment>
        <translation>颜色</translation>
    </message>
    <message>
        <source>, given</source>
        <comment>, 已知</comment>
        <translation>, 已知</translation>
    </message>
    <message>
        <source>empty</source>
        <comment>空</comment>
        <translation>空</translation>
    </message>
    <message>
        <source>, candidates </source>
        <comment>, 候选数 </comment>
        <translation>, 候选数 </translation>
    </message>
</context>
<context>
    <name>Explain</name>
    <message>
        <source>row {0}</source>
        <translation>{0}行</translation>
    </message>
    <message>
        <source>column {0}</source>
        <translation>第{0}列</translation>
    </message>
    <message>
        <source>box {0}</source>
        <translation>第{0}宫</translation>
    </message>
    <message>
        <source>rows {0}</source>
        <translation>{0}行</translation>
    </message>
    <message>
        <source>columns {0}</source>
        <translation>第{0}列</translation>
    </message>
    <message>
        <source>remove {0}</source>
        <translation>删去{0}</translation>
    </message>
    <message>
        <source>{0} from {1}</source>
        <translation>{1}中的{0}</translation>
    </message>
    <message>
        <source>{0} in {1}</source>
        <translation>{1}中的{0}</translation>
    </message>
    <message>
        <source>Full house: {0} is the last open cell of {1}, so it takes {2}.</source>
        <translation>最后一格：{0}是{1}仅剩的空格，所以填{2}。</translation>
    </message>
    <message>
        <source>Hidden single: in {0} the {1} fits only in {2}.</source>
        <translation>隐性唯一数：{0}中的{1}只能填在{2}。</translation>
    </message>
    <message>
        <source>Naked single: {0} can hold only {1}.</source>
        <translation>显性唯一数：{0}只能填{1}。</translation>
    </message>
    <message>
        <source>Pointing: in {0} the {1} lies only in {2}, so {3}.</source>
        <translation>区块摒除（指向）：{0}中的{1}只在{2}内，所以{3}。</translation>
    </message>
    <message>
        <source>Claiming: in {0} the {1} lies only in {2}, so {3}.</source>
        <translation>区块摒除（声明）：{0}中的{1}只在{2}内，所以{3}。</translation>
    </message>
    <message>
        <source>{0} on {1} in {2}, {3}: {4}.</source>
        <translation>{0}：{2}中的{1}都只出现在{3}，所以{4}。</translation>
    </message>
    <message>
        <source>{0} ({1}): {2}; {3}.</source>
        <translation>{0}（{1}）：{2}；{3}。</translation>
    </message>
    <message>
        <source>Look at {0}: one cell is left.</source>
        <translation>观察{0}：只剩一个空格。</translation>
    </message>
    <message>
        <source>Look for a hidden single in {0}.</source>
        <translation>在{0}中寻找隐性唯一数。</translation>
    </message>
    <message>
        <source>Look for a naked single in {0}.</source>
        <translation>在{0}中寻找显性唯一数。</translation>
    </message>
    <message>
        <source>Look at the {0}s in {1}.</source>
        <translation>观察{1}中的数字{0}。</translation>
    </message>
    <message>
        <source>There is a {0} in {1}.</source>
        <translation>{1}中有一个{0}。</translation>
    </message>
    <message>
        <source>There is {0} on {1}.</source>
        <translation>数字{1}存在{0}。</translation>
    </message>
    <message>
        <source>There is {0} through {1}.</source>
        <translation>存在一条经过{1}的{0}。</translation>
    </message>
    <message>
        <source>There is {0}.</source>
        <translation>盘面上存在{0}。</translation>
    </message>
    <message>
        <source>Try each digit of {0}: they all lead to the same result.</source>
        <translation>逐一尝试{0}的每个候选数：它们都会得出同一个结果。</translation>
    </message>
    <message>
        <source>Try each place for {0} in {1}: they all lead to the same result.</source>
        <translation>逐一尝试{0}在{1}中的每个位置：它们都会得出同一个结果。</translation>
    </message>
    <message>
        <source>Suppose {0} and follow what it forces.</source>
        <translation>假设{0}，顺着它引出的结论推下去。</translation>
    </message>
    <message>
        <source>{0} is {1}</source>
        <translation>{0}为{1}</translation>
    </message>
    <message>
        <source>{0} is not {1}</source>
        <translation>{0}不为{1}</translation>
    </message>
    <message>
        <source>{1} is in {0}</source>
        <translation>{1}在{0}中</translation>
    </message>
    <message>
        <source>{0} are not {1}</source>
        <translation>{0}都不为{1}</translation>
    </message>
    <message>
        <source>{0} can hold no digit</source>
        <translation>{0}无数可填</translation>
    </message>
    <message>
        <source>{0} has no place for {1}</source>
        <translation>{0}中的{1}无处可填</translation>
    </message>
    <message>
        <source>{0} (by {1})</source>
        <translation>{0}（依据{1}）</translation>
    </message>
    <message>
        <source>{0}, as the {1}s of {2} now lie in {3}</source>
        <translation>{0}，因为此时{2}中的{1}都在{3}内</translation>
    </message>
    <message>
        <source>{0}, as {1} now hold only {2}</source>
        <translation>{0}，因为此时{1}只剩{2}</translation>
    </message>
    <message>
        <source>{0}, as {1} of {2} now fit only in {3}</source>
        <translation>{0}，因为此时{2}中的{1}只能填在{3}</translation>
    </message>
    <message>
        <source>{0} ({1})</source>
        <translation>{0}（{1}）</translation>
    </message>
    <message>
        <source>if {0}, then {1}</source>
        <translation>若{0}，则{1}</translation>
    </message>
    <message>
        <source>{0}, so {1}</source>
        <translation>{0}，于是{1}</translation>
    </message>
    <message>
        <source>{0} cannot be {1}</source>
        <translation>{0}不能为{1}</translation>
    </message>
    <message>
        <source>{0} must be {1}</source>
        <translation>{0}必为{1}</translation>
    </message>
    <message>
        <source>{0} on {1}: {2}. So {3}; {4}.</source>
        <translation>{0}（数字{1}）：{2}。所以{3}；{4}。</translation>
    </message>
    <message>
        <source>{0} on {1}: {2}. So {3}; chains like it {4}.</source>
        <translation>{0}（数字{1}）：{2}。所以{3}；同类的链可以{4}。</translation>
    </message>
    <message>
        <source>{0}: {2}. So {3}; {4}.</source>
        <translation>{0}：{2}。所以{3}；{4}。</translation>
    </message>
    <message>
        <source>{0}: {2}. So {3}; chains like it {4}.</source>
        <translation>{0}：{2}。所以{3}；同类的链可以{4}。</translation>
    </message>
    <message>
        <source>{0}: {1}. So {2}; {3}.</source>
        <translation>{0}：{1}。所以{2}；{3}。</translation>
    </message>
    <message>
        <source>{0}: {1}; and {2}. Both cannot hold, so {3}; {4}.</source>
        <translation>{0}：{1}；而{2}。两者不能同时成立，所以{3}；{4}。</translation>
    </message>
    <message>
        <source>{0}: {1}. Either way {2}; {3}.</source>
        <translation>{0}：{1}。无论哪种情况，都得出{2}；{3}。</translation>
    </message>
    <message>
        <source>{0} holds {1}</source>
        <translation>{0}只能为{1}</translation>
    </message>
    <message>
        <source>the {0} of {1} goes in {2}</source>
        <translation>{1}中的{0}只能填在{2}</translation>
    </message>
    <message>
        <source>XY-Wing: the pivot {0} holds {1} or {2}. If it is {1}, {3} is {4}; if it is {2}, {5} is {4}. Either way {6} cannot be {4}; {7}.</source>
        <translation>XY翼：枢纽格{0}只能为{1}或{2}。若它为{1}，则{3}为{4}；若它为{2}，则{5}为{4}。无论哪种情况，{6}都不能为{4}；{7}。</translation>
    </message>
    <message>
        <source>XYZ-Wing: {0} holds {1}, {2} holds {3} and {4} holds {5}: one of the three is {6}, so a cell that sees all three cannot be {6}; {8}.</source>
        <translation>XYZ翼：{0}只能为{1}，{2}只能为{3}，{4}只能为{5}：三格中必有一格为{6}，所以能同时看到这三格的格子不能为{6}；{8}。</translation>
    </message>
    <message>
        <source>W-Wing: {0} and {1} both hold only {2} or {3}, and the {2} of {4} is in {5} or {6}, which see them. So one of {0} and {1} is {3}; {7}.</source>
        <translation>W翼：{0}和{1}都只能为{2}或{3}，而{4}中的{2}只在{5}或{6}，这两格分别看到它们。所以{0}和{1}中必有一格为{3}；{7}。</translation>
    </message>
    <message>
        <source>Unique rectangle on {0} and {1} in {2}: if these cells held only {0} and {1}, the two digits could swap and the puzzle would have two solutions. </source>
        <translation>唯一矩形（数字{0}和{1}，位于{2}）：若这些格只有{0}和{1}两个候选数，这两个数就可以互换，题目将有两个解。</translation>
    </message>
    <message>
        <source>So {0} holds another digit; {1}.</source>
        <translation>所以{0}必为其他数字；{1}。</translation>
    </message>
    <message>
        <source>So {0} is {1}; {2}.</source>
        <translation>所以{0}中必有一格为{1}；{2}。</translation>
    </message>
    <message>
        <source>So {0} holds {1}, and with {2} they make a naked set of {3} in {4}; {5}.</source>
        <translation>所以{0}中必有{1}，它们合起来与{2}在{4}中构成显性数组（{3}）；{5}。</translation>
    </message>
    <message>
        <source>The {0} of {1} is in {2} or {3}, so neither can be {4}; {5}.</source>
        <translation>{1}中的{0}只在{2}或{3}，所以这两格都不能为{4}；{5}。</translation>
    </message>
    <message>
        <source>If {0} were {1}, the {2}s of its row and column would go to {3} and {4} and close the swap; {5}.</source>
        <translation>若{0}为{1}，它所在行和列中的{2}就只能填在{3}和{4}，构成可以互换的矩形；{5}。</translation>
    </message>
    <message>
        <source>BUG+1: every open cell but {0} holds two candidates. Unless {0} is {1}, every digit would have two places in each house and the puzzle two solutions. So {0} is {1}.</source>
        <translation>全双值坟墓+1：除{0}外，每个空格都只有两个候选数。除非{0}为{1}，否则每个数字在每行、每列和每宫中都有两个位置，题目将有两个解。所以{0}为{1}。</translation>
    </message>
    <message>
        <source>Unique loop on {0} and {1} through {2}: if these cells held only {0} and {1}, the two digits could swap around the loop and the puzzle would have two solutions. </source>
        <translation>唯一环（数字{0}和{1}，经过{2}）：若这些格只有{0}和{1}两个候选数，这两个数就可以沿环互换，题目将有两个解。</translation>
    </message>
    <message>
        <source>BUG: only {0} hold more than two candidates. Without {1}, every open cell would hold two and every digit two places in each house, and the puzzle could not have one solution. </source>
        <translation>全双值坟墓：只有{0}的候选数多于两个。若没有{1}，每个空格都将只有两个候选数，每个数字在每行、每列和每宫中都将有两个位置，题目就不可能只有一个解。</translation>
    </message>
    <message>
        <source>So {0} is {1}, and a cell that sees them all cannot be {1}; {2}.</source>
        <translation>所以{0}中必有一格为{1}，能看到它们全部的格子不能为{1}；{2}。</translation>
    </message>
    <message>
        <source>So {0}, and with {1} they make a naked set of {2} in {3}; {4}.</source>
        <translation>所以{0}，这些格与{1}在{3}中构成显性数组（{2}）；{4}。</translation>
    </message>
    <message>
        <source>So {0}; the {1} of {2} is in one of them, so the other is {1}, and neither can hold its other digit; {3}.</source>
        <translation>所以{0}；而{2}中的{1}必在这两格之一，因此另一格为{1}，两格都不能为各自剩下的那个数字；{3}。</translation>
    </message>
    <message>
        <source>{0} on {1}: in {2} the {1} is in {3} or {4}, and in {5} in {6} or {7}. {4} and {7} share {8}, so they are not both {1}, and {3} or {6} is: a cell that sees both cannot be {1}; {9}.</source>
        <translation>{0}（数字{1}）：{2}中的{1}只在{3}或{4}，{5}中的{1}只在{6}或{7}。{4}和{7}同在{8}，不能都为{1}，所以{3}或{6}中必有一格为{1}：能同时看到这两格的格子不能为{1}；{9}。</translation>
    </message>
    <message>
        <source>Empty rectangle on {0}: in {1} the {0}s, at {9}, lie in {2} or {3}, and in {4} the {0} is in {5} or {6}. If {7} were {0}, {6} would not be, so {5} would, and {1} would have no place left for it; {8}.</source>
        <translation>空矩形（数字{0}）：{1}中的{0}（位于{9}）都在{2}或{3}上，{4}中的{0}只在{5}或{6}。若{7}为{0}，则{6}不为{0}，于是{5}为{0}，{1}中就没有位置留给{0}了；{8}。</translation>
    </message>
    <message>
        <source>Remote pairs on {0} and {1}: {2} hold only {0} or {1}, each seeing the next, so they take the two digits in turn: {3} hold one, {4} the other. A cell that sees one of each holds neither; {6}.</source>
        <translation>远程数对（数字{0}和{1}）：{2}都只能为{0}或{1}，且每格都能看到下一格，所以它们轮流取这两个数：{3}为其中一个，{4}为另一个。能同时看到两组中各一格的格子两个数都不能填；{6}。</translation>
    </message>
    <message>
        <source>Simple colouring on {0}: following the houses where {0} has only two places, {1} take one colour and {2} the other, and one colour holds the {0}s. A cell that sees both colours cannot be {0}; {4}.</source>
        <translation>简单染色（数字{0}）：在{0}只有两处可填的区域之间依次染色，{1}为一种颜色，{2}为另一种，所有的{0}都在其中一种颜色上。能同时看到两种颜色的格子不能为{0}；{4}。</translation>
    </message>
    <message>
        <source>Simple colouring on {0}: following the houses where {0} has only two places, {1} take one colour and {2} the other, and one colour holds the {0}s. {3} and {4} share a colour and see each other, so that colour is false; {5}.</source>
        <translation>简单染色（数字{0}）：在{0}只有两处可填的区域之间依次染色，{1}为一种颜色，{2}为另一种，所有的{0}都在其中一种颜色上。{3}和{4}同色且互相看到，所以这种颜色为假；{5}。</translation>
    </message>
    <message>
        <source>{0} on {1}: in {2} the {1} lies in {3}, at {7}, but for the fin {4}. If {4} is not {1}, the fish takes {1} from the rest of {3}; if it is, {1} goes from the cells that see it. A cell in both cases cannot be {1}; {6}.</source>
        <translation>{0}（数字{1}）：{2}中的{1}除鳍{4}外都在{3}上（位于{7}）。若{4}不为{1}，鱼会删去{3}其余格中的{1}；若{4}为{1}，能看到它的格子都不能为{1}。两种情况下都被排除的格子不能为{1}；{6}。</translation>
    </message>
    <message>
        <source>{0} on {1}: in {2} the {1} lies in {3}, at {7}, but for the fins {4}. If none of them is {1}, the fish takes {1} from the rest of {3}; if one is, {1} goes from the cells that see them all. A cell in both cases cannot be {1}; {6}.</source>
        <translation>{0}（数字{1}）：{2}中的{1}除鳍{4}外都在{3}上（位于{7}）。若这些鳍都不为{1}，鱼会删去{3}其余格中的{1}；若有一个鳍为{1}，能看到所有鳍的格子都不能为{1}。两种情况下都被排除的格子不能为{1}；{6}。</translation>
    </message>
    <message>
        <source>Aligned pair exclusion: if {0} were {1}, {2} could take none of {3}: {4}. So {0} cannot be {1}; {5}.</source>
        <translation>对齐数对排除：若{0}为{1}，{2}的{3}都不能填：{4}。所以{0}不能为{1}；{5}。</translation>
    </message>
    <message>
        <source>not {0}, which {1} would hold</source>
        <translation>不能填{0}，因为{1}已是{0}</translation>
    </message>
    <message>
        <source>not {0}, or {1}, which holds only {2} and {0}, would be empty</source>
        <translation>不能填{0}，否则只有{2}和{0}的{1}将无数可填</translation>
    </message>
    <message>
        <source>ALS-XZ: the sets {0} ({1}) and {2} ({3}) each have one digit more than cells. Their {4}s see each other, so one of them goes without {4} and holds all its other digits. </source>
        <translation>ALS-XZ：待定数组{0}（{1}）和{2}（{3}）的数字都比格子多一个。两组中的{4}互相看到，所以必有一组不含{4}，这一组就要填满其余所有数字。</translation>
    </message>
    <message>
        <source>ALS-XY-Wing: the sets {0} ({1}), {2} ({3}) and {4} ({5}) each have one digit more than cells. The last holds {6} or {7}: with {6} there the first goes without {6}, with {7} the second goes without {7}, and a set without one of its digits holds all the others. </source>
        <translation>ALS-XY翼：待定数组{0}（{1}）、{2}（{3}）和{4}（{5}）的数字都比格子多一个。最后一组中必有{6}或{7}：有{6}时第一组不含{6}，有{7}时第二组不含{7}，而缺少一个数字的数组要填满其余所有数字。</translation>
    </message>
    <message>
        <source>So the {0} is in one of the sets, and a cell that sees every {0} of both cannot be {0}; {1}.</source>
        <translation>所以{0}必在其中一组中，能看到两组中所有{0}的格子不能为{0}；{1}。</translation>
    </message>
    <message>
        <source>So the {0} is in one of the first two sets, and a cell that sees every {0} of both cannot be {0}; {1}.</source>
        <translation>所以{0}必在前两组之一中，能看到这两组中所有{0}的格子不能为{0}；{1}。</translation>
    </message>
    <message>
        <source>So each of {0} is in one of the sets, and a cell that sees every one of that digit in both cannot hold it; {1}.</source>
        <translation>所以{0}中的每个数字都必在其中一组中，能看到两组中该数字所有位置的格子不能填它；{1}。</translation>
    </message>
    <message>
        <source>So each of {0} is in one of the first two sets, and a cell that sees every one of that digit in both cannot hold it; {1}.</source>
        <translation>所以{0}中的每个数字都必在前两组之一中，能看到这两组中该数字所有位置的格子不能填它；{1}。</translation>
    </message>
    <message>
        <source>Sue de Coq: where {0} meets {1}, {2} hold {3}. With {4} ({5}) of {1} and {6} ({7}) of {0}, these {8} cells hold {8} different digits, every one of {9}, so {10}; {11}.</source>
        <translation>Sue de Coq：在{0}与{1}的交汇处，{2}含有{3}。加上{1}中的{4}（{5}）和{0}中的{6}（{7}），这{8}格恰好填{8}个不同的数字，正好是{9}，所以{10}都应排除；{11}。</translation>
    </message>
    <message>
        <source>no other cell of {0} can hold {1}</source>
        <translation>{0}其他格中的{1}</translation>
    </message>
    <message>
        <source>no other cell of either can hold {0}</source>
        <translation>两个区域其他格中的{0}</translation>
    </message>
    <message>
        <source>There is a unique loop on {0}.</source>
        <translation>数字{0}存在唯一环。</translation>
    </message>
    <message>
        <source>Look at the cells with more than two candidates.</source>
        <translation>观察候选数多于两个的格子。</translation>
    </message>
    <message>
        <source>Try the digits {0} and {1} could take together.</source>
        <translation>逐一尝试{0}和{1}可以同时取的数字组合。</translation>
    </message>
    <message>
        <source>Look for two almost locked sets linked by {0}.</source>
        <translation>寻找两个通过{0}相连的待定数组。</translation>
    </message>
    <message>
        <source>Look for three almost locked sets linked by {0} and {1}.</source>
        <translation>寻找三个通过{0}和{1}相连的待定数组。</translation>
    </message>
    <message>
        <source>Look where {0} meets {1}.</source>
        <translation>观察{0}与{1}的交汇处。</translation>
    </message>
    <message>
        <source>There are remote pairs on {0}.</source>
        <translation>数字{0}存在远程数对。</translation>
    </message>
    <message>
        <source> and </source>
        <translation>和</translation>
    </message>
    <message>
        <source> or </source>
        <translation>或</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>; </source>
        <translation>；</translation>
    </message>
    <message>
        <source>. </source>
        <translation>。</translation>
    </message>
    <message>
        <source>one pincer holds the digit</source>
        <translation>两个翼格中必有一个为该数字</translation>
    </message>
    <message>
        <source>one of the pair holds the digit</source>
        <translation>这两格中必有一格为该数字</translation>
    </message>
    <message>
        <source>one end holds the digit</source>
        <translation>两端中必有一端为该数字</translation>
    </message>
    <message>
        <source>one colour holds the digit</source>
        <translation>两种颜色中必有一种为该数字</translation>
    </message>
    <message>
        <source>the fish or its fin holds the digit</source>
        <translation>该数字必在鱼身或鳍中</translation>
    </message>
    <message>
        <source>each removed candidate leads to its own removal</source>
        <translation>每个被删的候选数若成立，都会导致它自身被删去</translation>
    </message>
    <message>
        <source>{0} takes {1}</source>
        <translation>在{0}填入{1}</translation>
    </message>
    <message>
        <source>an {0}</source>
        <translation>{0}</translation>
    </message>
    <message>
        <source>a {0}</source>
        <translation>{0}</translation>
    </message>
    <message>
        <source>a unique rectangle</source>
        <translation>唯一矩形</translation>
    </message>
    <message>
        <source>Some digits are wrong: Check Error shows them.</source>
        <translation>有些数字填错了：用“检查错误”可以看到它们。</translation>
    </message>
    <message>
        <source>The puzzle is solved.</source>
        <translation>题目已经完成。</translation>
    </message>
    <message>
        <source>No puzzle on the board.</source>
        <translation>盘面上没有题目。</translation>
    </message>
    <message>
        <source>No step: some cell or digit has no place left.</source>
        <translation>无法推进：某个格子已无数可填，或某个数字已无处可填。</translation>
    </message>
    <message>
        <source>Search stopped.</source>
        <translation>搜索已停止。</translation>
    </message>
    <message>
        <source>No step found: this position needs more than the techniques I know.</source>
        <translation>找不到下一步：这个盘面需要我尚未掌握的技巧。</translation>
    </message>
    <message>
        <source>Naked pair {0} in {1}: no other cell of {2} can hold {3}; {4}.</source>
        <translation>显性数对{0}位于{1}：{2}的其他格都不能为{3}；{4}。</translation>
    </message>
    <message>
        <source>Naked triple {0} in {1}: no other cell of {2} can hold {3}; {4}.</source>
        <translation>显性三数组{0}位于{1}：{2}的其他格都不能为{3}；{4}。</translation>
    </message>
    <message>
        <source>Naked quad {0} in {1}: no other cell of {2} can hold {3}; {4}.</source>
        <translation>显性四数组{0}位于{1}：{2}的其他格都不能为{3}；{4}。</translation>
    </message>
    <message>
        <source>Hidden pair {0} in {1}: they fit only in {2}, so those cells hold nothing else; {3}.</source>
        <translation>{1}中的隐性数对{0}：这些数字只能填在{2}，所以这些格不能再填其他数字；{3}。</translation>
    </message>
    <message>
        <source>Hidden triple {0} in {1}: they fit only in {2}, so those cells hold nothing else; {3}.</source>
        <translation>{1}中的隐性三数组{0}：这些数字只能填在{2}，所以这些格不能再填其他数字；{3}。</translation>
    </message>
    <message>
        <source>Hidden quad {0} in {1}: they fit only in {2}, so those cells hold nothing else; {3}.</source>
        <translation>{1}中的隐性四数组{0}：这些数字只能填在{2}，所以这些格不能再填其他数字；{3}。</translation>
    </message>
</context>
<context>
    <name>Level</name>
    <message>
        <source>Very Easy</source>
        <comment>入门</comment>
        <translation>入门</translation>
    </message>
    <message>
        <source>Gentle</source>
        <comment>初级</comment>
        <translation>初级</translation>
    </message>
    <message>
        <source>Moderate</source>
        <comment>中级</comment>
        <translation>中级</translation>
    </message>
    <message>
        <source>Tough</source>
        <comment>高级</comment>
        <translation>高级</translation>
    </message>
    <message>
        <source>Diabolical</source>
        <comment>骨灰</comment>
        <translation>骨灰</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>未知</comment>
        <translation>未知</translation>
    </message>
    <message>
        <source>  Level:Very Easy</source>
        <comment>  等级:入门</comment>
        <translation>  等级:入门</translation>
    </message>
    <message>
        <source>  Level:Gentle</source>
        <comment>  等级:初级</comment>
        <translation>  等级:初级</translation>
    </message>
    <message>
        <source>  Level:Moderate</source>
        <comment>  等级:中级</comment>
        <translation>  等级:中级</translation>
    </message>
    <message>
        <source>  Level:Tough</source>
        <comment>  等级:高级</comment>
        <translation>  等级:高级</translation>
    </message>
    <message>
        <source>  Level:Diabolical</source>
        <comment>  等级:骨灰</comment>
        <translation>  等级:骨灰</translation>
    </message>
    <message>
        <source>  Level:Unknown</source>
        <comment>  等级:未知</comment>
        <translation>  等级:未知</translation>
    </message>
    <message>
        <source>Unknown or N/A</source>
        <comment>未知</comment>
        <translation>未知</translation>
    </message>
</context>
<context>
    <name>Play</name>
    <message>
        <source>conflict</source>
        <comment>冲突</comment>
        <translation>冲突</translation>
    </message>
    <message>
        <source>wrong digit</source>
        <comment>错误数字</comment>
        <translation>错误数字</translation>
    </message>
    <message>
        <source>hint</source>
        <comment>提示</comment>
        <translation>提示</translation>
    </message>
    <message>
        <source>marked </source>
        <comment>标记为</comment>
        <translation>标记为</translation>
    </message>
    <message>
        <source>candidate </source>
        <comment>候选数 </comment>
        <translation>候选数 </translation>
    </message>
    <message>
        <source> marked </source>
        <comment> 标记为</comment>
        <translation> 标记为</translation>
    </message>
    <message>
        <source>in the explained step</source>
        <comment>属于讲解的步骤</comment>
        <translation>属于讲解的步骤</translation>
    </message>
    <message>
        <source>Mark color with the left button,Clear the marked color with the right button.</source>
        <comment>左键标记颜色，右键清除标记的颜色.</comment>
        <translation>左键标记颜色，右键清除标记的颜色.</translation>
    </message>
    <message>
        <source>Left click sets the selected Candidature as Bignumber, right click deletes such Candidature.</source>
        <comment>左键设定选择的数为大数,右键删除选择的候选数.</comment>
        <translation>左键设定选择的数为大数,右键删除选择的候选数.</translation>
    </message>
    <message>
        <source>Set Bignumber with the left button, clear Bignumber with the right button.</source>
        <comment>鼠标左键设定数字，右键清除.</comment>
        <translation>鼠标左键设定数字，右键清除.</translation>
    </message>
    <message>
        <source>Cancel the bignumber with the left button.Pop up the shortcut menu with the right button.</source>
        <comment>左键取消设置的大数,右键打开快捷菜单..</comment>
        <translation>左键取消设置的大数,右键打开快捷菜单..</translation>
    </message>
    <message>
        <source>Pop up the shortcut menu with the right button.</source>
        <comment>右键打开快捷菜单.</comment>
        <translation>右键打开快捷菜单.</translation>
    </message>
    <message>
        <source>Add </source>
        <comment>增加 </comment>
        <translation>增加 </translation>
    </message>
    <message>
        <source>Move </source>
        <comment>删除 </comment>
        <translation>删除 </translation>
    </message>
    <message>
        <source>Regenerate Candidate Numbers</source>
        <comment>重新生成候选数</comment>
        <translation>重新生成候选数</translation>
    </message>
</context>
<context>
    <name>Technique</name>
    <message>
        <source>Full House</source>
        <translation>最后一格</translation>
    </message>
    <message>
        <source>Hidden Single (box)</source>
        <translation>隐性唯一数（宫）</translation>
    </message>
    <message>
        <source>Hidden Single (line)</source>
        <translation>隐性唯一数（行列）</translation>
    </message>
    <message>
        <source>Naked Single</source>
        <translation>显性唯一数</translation>
    </message>
    <message>
        <source>Pointing</source>
        <translation>区块摒除（指向）</translation>
    </message>
    <message>
        <source>Claiming</source>
        <translation>区块摒除（声明）</translation>
    </message>
    <message>
        <source>Naked Pair</source>
        <translation>显性数对</translation>
    </message>
    <message>
        <source>Hidden Pair</source>
        <translation>隐性数对</translation>
    </message>
    <message>
        <source>Naked Triple</source>
        <translation>显性三数组</translation>
    </message>
    <message>
        <source>Hidden Triple</source>
        <translation>隐性三数组</translation>
    </message>
    <message>
        <source>Naked Quad</source>
        <translation>显性四数组</translation>
    </message>
    <message>
        <source>Hidden Quad</source>
        <translation>隐性四数组</translation>
    </message>
    <message>
        <source>X-Wing</source>
        <translation>X翼</translation>
    </message>
    <message>
        <source>Swordfish</source>
        <translation>剑鱼</translation>
    </message>
    <message>
        <source>Skyscraper</source>
        <translation>摩天楼</translation>
    </message>
    <message>
        <source>Two-String Kite</source>
        <translation>双线风筝</translation>
    </message>
    <message>
        <source>XY-Wing</source>
        <translation>XY翼</translation>
    </message>
    <message>
        <source>Empty Rectangle</source>
        <translation>空矩形</translation>
    </message>
    <message>
        <source>XYZ-Wing</source>
        <translation>XYZ翼</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>水母</translation>
    </message>
    <message>
        <source>W-Wing</source>
        <translation>W翼</translation>
    </message>
    <message>
        <source>Remote Pairs</source>
        <translation>远程数对</translation>
    </message>
    <message>
        <source>Simple Colouring</source>
        <translation>简单染色</translation>
    </message>
    <message>
        <source>Finned X-Wing</source>
        <translation>带鳍X翼</translation>
    </message>
    <message>
        <source>Finned Swordfish</source>
        <translation>带鳍剑鱼</translation>
    </message>
    <message>
        <source>Finned Jellyfish</source>
        <translation>带鳍水母</translation>
    </message>
    <message>
        <source>X-Chain</source>
        <translation>X链</translation>
    </message>
    <message>
        <source>XY-Chain</source>
        <translation>XY链</translation>
    </message>
    <message>
        <source>AIC</source>
        <translation>交替推理链</translation>
    </message>
    <message>
        <source>Grouped X-Chain</source>
        <translation>分组X链</translation>
    </message>
    <message>
        <source>Grouped AIC</source>
        <translation>分组交替推理链</translation>
    </message>
    <message>
        <source>Unique Rectangle (type 1)</source>
        <translation>唯一矩形（类型1）</translation>
    </message>
    <message>
        <source>Unique Rectangle (type 2)</source>
        <translation>唯一矩形（类型2）</translation>
    </message>
    <message>
        <source>Unique Rectangle (type 3)</source>
        <translation>唯一矩形（类型3）</translation>
    </message>
    <message>
        <source>Unique Rectangle (type 4)</source>
        <translation>唯一矩形（类型4）</translation>
    </message>
    <message>
        <source>Hidden Rectangle</source>
        <translation>隐性唯一矩形</translation>
    </message>
    <message>
        <source>Unique Loop (type 1)</source>
        <translation>唯一环（类型1）</translation>
    </message>
    <message>
        <source>Unique Loop (type 2)</source>
        <translation>唯一环（类型2）</translation>
    </message>
    <message>
        <source>Unique Loop (type 3)</source>
        <translation>唯一环（类型3）</translation>
    </message>
    <message>
        <source>Unique Loop (type 4)</source>
        <translation>唯一环（类型4）</translation>
    </message>
    <message>
        <source>BUG+1</source>
        <translation>全双值坟墓+1</translation>
    </message>
    <message>
        <source>BUG (type 2)</source>
        <translation>全双值坟墓（类型2）</translation>
    </message>
    <message>
        <source>BUG (type 3)</source>
        <translation>全双值坟墓（类型3）</translation>
    </message>
    <message>
        <source>BUG (type 4)</source>
        <translation>全双值坟墓（类型4）</translation>
    </message>
    <message>
        <source>Aligned Pair Exclusion</source>
        <translation>对齐数对排除</translation>
    </message>
    <message>
        <source>ALS-XZ</source>
        <translation>ALS-XZ</translation>
    </message>
    <message>
        <source>ALS-XY-Wing</source>
        <translation>ALS-XY翼</translation>
    </message>
    <message>
        <source>Sue de Coq</source>
        <translation>Sue de Coq</translation>
    </message>
    <message>
        <source>Nishio Forcing Chain</source>
        <translation>Nishio强制链</translation>
    </message>
    <message>
        <source>Cell Forcing Chain</source>
        <translation>单元格强制链</translation>
    </message>
    <message>
        <source>Region Forcing Chain</source>
        <translation>区域强制链</translation>
    </message>
    <message>
        <source>Dynamic Forcing Chain</source>
        <translation>动态强制链</translation>
    </message>
    <message>
        <source>Forcing Net</source>
        <translation>强制网</translation>
    </message>
    <message>
        <source>Nested Forcing Chain</source>
        <translation>嵌套强制链</translation>
    </message>
</context>
<context>
    <name>tessel::TColorGrid</name>
    <message>
        <source>Colour palette</source>
        <translation>调色板</translation>
    </message>
    <message>
        <source>Pick a colour</source>
        <translation>选择一种颜色</translation>
    </message>
    <message>
        <source>FG</source>
        <translation>前</translation>
    </message>
    <message>
        <source>BG</source>
        <translation>背</translation>
    </message>
    <message>
        <source>FB</source>
        <translation>前背</translation>
    </message>
</context>
<context>
    <name>tessel::TPICSD33</name>
    <message>
        <source>Sudoku board</source>
        <translation>数独盘面</translation>
    </message>
</context>
<context>
    <name>tessel::TSD33</name>
    <message>
        <source>Cell %1</source>
        <translation>单元格 %1</translation>
    </message>
    <message>
        <source>Check board</source>
        <translation>检查盘面</translation>
    </message>
    <message>
        <source>The givens, checked for clashes</source>
        <translation>检查已知数之间是否冲突</translation>
    </message>
</context>
<context>
    <name>tessel::TTimeLabel</name>
    <message>
        <source>Game clock</source>
        <translation>游戏计时</translation>
    </message>
    <message>
        <source>Time spent on this game</source>
        <translation>本局已用时间</translation>
    </message>
</context>
<context>
    <name>tessel::Tmousepb</name>
    <message>
        <source>Digit %1 count</source>
        <translation>数字 %1 的个数</translation>
    </message>
    <message>
        <source>How many %1s are placed; click to choose %1</source>
        <translation>已填入的 %1 的个数；点击选择 %1</translation>
    </message>
</context>
<context>
    <name>tessel::ui::TForm1</name>
    <message>
        <source>Are you sure you want to see the solution?</source>
        <comment>确定查看答案?</comment>
        <translation>确定查看答案?</translation>
    </message>
    <message>
        <source>Puzzle is not solvable</source>
        <comment>不能解答这个数独题目</comment>
        <translation>不能解答这个数独题目</translation>
    </message>
    <message>
        <source>This Puzzle has at least two solutions,Press OK to view it.</source>
        <comment>本题至少有两个答案.</comment>
        <translation>本题至少有两个答案.</translation>
    </message>
    <message>
        <source>This File name already exits,OK to overwrite it?</source>
        <comment>已存在同名文件，是否覆盖？</comment>
        <translation>已存在同名文件，是否覆盖？</translation>
    </message>
    <message>
        <source>When this box checked,Will auto update candidate numbers.</source>
        <comment>当选中是将会自动更新候选数.</comment>
        <translation>当选中是将会自动更新候选数.</translation>
    </message>
    <message>
        <source>When the Display Candidates [None] is checked, hide all the candidates.</source>
        <comment>该显示模式将隐藏所有的候选数.</comment>
        <translation>该显示模式将隐藏所有的候选数.</translation>
    </message>
    <message>
        <source>When the Display Candidates [All] is checked, display all the candidates.</source>
        <comment>该显示模式将显示所有的候选数.</comment>
        <translation>该显示模式将显示所有的候选数.</translation>
    </message>
    <message>
        <source>When this box is checked, display only those cells corresponding to clicked Candidate on the numerical panel.</source>
        <comment>该显示模式仅显示包含指定数字的候选数.</comment>
        <translation>该显示模式仅显示包含指定数字的候选数.</translation>
    </message>
    <message>
        <source>You can type number 1..9 to select it quickly.</source>
        <comment>可以按数字键1..9快速选择.</comment>
        <translation>可以按数字键1..9快速选择.</translation>
    </message>
    <message>
        <source>When Marking is checked, you can do color marking for each cell or Candidate.</source>
        <comment>选中时可以为每个单元标注颜色.</comment>
        <translation>选中时可以为每个单元标注颜色.</translation>
    </message>
    <message>
        <source>Click Clear Marking button to clear all the marked colors.</source>
        <comment>点击清除所有标记的颜色.</comment>
        <translation>点击清除所有标记的颜色.</translation>
    </message>
    <message>
        <source>The choice could not be saved: </source>
        <comment>无法保存设置: </comment>
        <translation>无法保存设置: </translation>
    </message>
    <message>
        <source>Are you sure you want to reset this game to the initial state?</source>
        <comment>确定重玩?</comment>
        <translation>确定重玩?</translation>
    </message>
    <message>
        <source>Puzzle solved</source>
        <comment>恭喜您完成本题!!!</comment>
        <translation>恭喜您完成本题!!!</translation>
    </message>
    <message>
        <source>Looking for the next step...</source>
        <comment>正在寻找下一步...</comment>
        <translation>正在寻找下一步...</translation>
    </message>
    <message>
        <source>The help page could not be written to </source>
        <comment>无法写入帮助文件 </comment>
        <translation>无法写入帮助文件 </translation>
    </message>
    <message>
        <source>The help page could not be opened: </source>
        <comment>无法打开帮助文件: </comment>
        <translation>无法打开帮助文件: </translation>
    </message>
    <message>
        <source>No update check is available in this build.
The newest version is at </source>
        <comment>此版本不能检查更新.
最新版本请见 </comment>
        <translation>此版本不能检查更新.
最新版本请见 </translation>
    </message>
    <message>
        <source>A Sudoku game for one player, version %1.
Released under the MIT licence.</source>
        <comment>单人数独游戏, 版本 %1.
以 MIT 许可证发布.</comment>
        <translation>单人数独游戏, 版本 %1.
以 MIT 许可证发布.</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;</source>
        <translation>无法打开文件“%1”</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>&amp;Save Current Board</source>
        <translation>保存当前盘面(&amp;S)</translation>
    </message>
    <message>
        <source>Display Your Game List</source>
        <translation>显示游戏存档列表</translation>
    </message>
    <message>
        <source>Printable Board</source>
        <translation>打印盘面</translation>
    </message>
    <message>
        <source>&amp;Import or Create Sudoku</source>
        <translation>导入或创建数独(&amp;I)</translation>
    </message>
    <message>
        <source>Continue Your Last Game</source>
        <translation>继续上次的游戏</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外观</translation>
    </message>
    <message>
        <source>Save Replay</source>
        <translation>保存回放</translation>
    </message>
    <message>
        <source>Load Replay</source>
        <translation>载入回放</translation>
    </message>
    <message>
        <source>Copy Puzzle To Clipboard</source>
        <translation>复制题目到剪贴板</translation>
    </message>
    <message>
        <source>Explain Next Step</source>
        <translation>讲解下一步</translation>
    </message>
    <message>
        <source>Apply Explained Step</source>
        <translation>执行讲解的步骤</translation>
    </message>
    <message>
        <source>Make the explained step on the board</source>
        <translation>在盘面上执行讲解的这一步</translation>
    </message>
    <message>
        <source>&amp;Keyboard Play</source>
        <translation>键盘操作(&amp;K)</translation>
    </message>
    <message>
        <source>Move a cursor on the board with the arrow keys and play with the keys</source>
        <translation>用方向键在盘面上移动光标，用键盘进行游戏</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>重玩</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>查看答案</translation>
    </message>
    <message>
        <source>Check Error</source>
        <translation>检查错误</translation>
    </message>
    <message>
        <source>Show hint</source>
        <translation>显示提示</translation>
    </message>
    <message>
        <source>Start Branch</source>
        <translation>开始分支</translation>
    </message>
    <message>
        <source>Accept Branch</source>
        <translation>接受分支</translation>
    </message>
    <message>
        <source>Reject Branch</source>
        <translation>放弃分支</translation>
    </message>
    <message>
        <source>First Step</source>
        <translation>第一步</translation>
    </message>
    <message>
        <source>Back Step</source>
        <translation>上一步</translation>
    </message>
    <message>
        <source>Next Step</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Last Step</source>
        <translation>最后一步</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>帮助内容</translation>
    </message>
    <message>
        <source>Open the help page</source>
        <translation>打开帮助页面</translation>
    </message>
    <message>
        <source>Sudoku Tessel Home Page</source>
        <translation>Sudoku Tessel 主页</translation>
    </message>
    <message>
        <source>Visit the Sudoku Tessel home page</source>
        <translation>访问 Sudoku Tessel 主页</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>发送反馈</translation>
    </message>
    <message>
        <source>Report a problem or an idea</source>
        <translation>报告问题或提出建议</translation>
    </message>
    <message>
        <source>Check New Version</source>
        <translation>检查新版本</translation>
    </message>
    <message>
        <source>Check for a newer version</source>
        <translation>检查是否有更新的版本</translation>
    </message>
    <message>
        <source>Auto Check New Version</source>
        <translation>自动检查新版本</translation>
    </message>
    <message>
        <source>Check for a newer version at start</source>
        <translation>启动时检查是否有更新的版本</translation>
    </message>
    <message>
        <source>&amp;About SudokuTessel</source>
        <translation>关于 SudokuTessel(&amp;A)</translation>
    </message>
    <message>
        <source>Create Sudoku:%1</source>
        <translation>创建数独:%1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>新游戏(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Auto Update Candidates</source>
        <translation>自动更新候选数</translation>
    </message>
    <message>
        <source>Show Candidates</source>
        <translation>显示候选数</translation>
    </message>
    <message>
        <source>None  (F1)</source>
        <translation>不显示  (F1)</translation>
    </message>
    <message>
        <source>All  (F2)</source>
        <translation>全部  (F2)</translation>
    </message>
    <message>
        <source>Only one  (F3)</source>
        <translation>指定数字  (F3)</translation>
    </message>
    <message>
        <source>Digit %1</source>
        <translation>数字 %1</translation>
    </message>
    <message>
        <source>Choose digit %1 (key %1)</source>
        <translation>选择数字 %1（按键 %1）</translation>
    </message>
    <message>
        <source>Color Panel</source>
        <translation>颜色面板</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>颜色标记</translation>
    </message>
    <message>
        <source>Clear Marking</source>
        <translation>清除标记</translation>
    </message>
    <message>
        <source>all candidates shown</source>
        <translation>显示全部候选数</translation>
    </message>
    <message>
        <source>candidates of the chosen digit shown</source>
        <translation>显示所选数字的候选数</translation>
    </message>
    <message>
        <source>candidates hidden</source>
        <translation>隐藏候选数</translation>
    </message>
    <message>
        <source>Digit %1 chosen, %2</source>
        <translation>已选择数字 %1，%2</translation>
    </message>
</context>
<context>
    <name>tessel::ui::TFrmdas</name>
    <message>
        <source>Solution 1:</source>
        <comment>解1:</comment>
        <translation>解1:</translation>
    </message>
    <message>
        <source>Solution 2:</source>
        <comment>解2:</comment>
        <translation>解2:</translation>
    </message>
    <message>
        <source>Multiple Solutions Viewer</source>
        <translation>多解查看器</translation>
    </message>
    <message>
        <source>Solutions</source>
        <translation>答案</translation>
    </message>
    <message>
        <source>Two solutions of this puzzle, nine digits a row</source>
        <translation>本题的两个答案，每行九个数字</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>关闭此窗口</translation>
    </message>
</context>
<context>
    <name>tessel::ui::TfrmAppearance</name>
    <message>
        <source>The settings could not be saved: </source>
        <comment>无法保存设置: </comment>
        <translation>无法保存设置: </translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>外观</translation>
    </message>
    <message>
        <source>Default Color</source>
        <translation>默认颜色</translation>
    </message>
    <message>
        <source>Use the game&apos;s own colours for this group</source>
        <translation>此组使用游戏自带的颜色</translation>
    </message>
    <message>
        <source>Click to pick this colour</source>
        <translation>点击选择此颜色</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>Color 1</source>
        <translation>颜色 1</translation>
    </message>
    <message>
        <source>Color 2</source>
        <translation>颜色 2</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>字体颜色</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>已知数</translation>
    </message>
    <message>
        <source>Big Number</source>
        <translation>大数</translation>
    </message>
    <message>
        <source>Candidate</source>
        <translation>候选数</translation>
    </message>
    <message>
        <source>Highlight Color</source>
        <translation>高亮颜色</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Preview board</source>
        <translation>预览盘面</translation>
    </message>
    <message>
        <source>How the board looks with these colours</source>
        <translation>使用这些颜色时盘面的样子</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Back to the game&apos;s own colours</source>
        <translation>恢复游戏自带的颜色</translation>
    </message>
    <message>
        <source>Keep these colours and use them on the board</source>
        <translation>保留这些颜色并用于盘面</translation>
    </message>
    <message>
        <source>Drop the changes</source>
        <translation>放弃更改</translation>
    </message>
</context>
<context>
    <name>tessel::ui::TfrmImport</name>
    <message>
        <source>Import Sudoku</source>
        <comment>导入数独</comment>
        <translation>导入数独</translation>
    </message>
    <message>
        <source>Select All</source>
        <comment>全选</comment>
        <translation>全选</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>复制</comment>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <comment>粘贴</comment>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Clear</source>
        <comment>清除</comment>
        <translation>清除</translation>
    </message>
    <message>
        <source>Compatible Formats:</source>
        <comment>兼容格式:</comment>
        <translation>兼容格式:</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>确定</comment>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>取消</comment>
        <translation>取消</translation>
    </message>
    <message>
        <source>Enter a string of 81 numbers(you can express blanks as 0, * , &apos;.&apos;)</source>
        <comment>输入81个数字的字符串(可以使用0, * , .表示空)</comment>
        <translation>输入81个数字的字符串(可以使用0, * , .表示空)</translation>
    </message>
    <message>
        <source>Enter nine rows,Each row with nine letters.(you can express blanks as 0, * , &apos;.&apos;)</source>
        <comment>输入9行，每行9个字符(可以使用0, * , .表示空)</comment>
        <translation>输入9行，每行9个字符(可以使用0, * , .表示空)</translation>
    </message>
    <message>
        <source>Enter any rows,Each row with any letters.(you can express blanks as 0, &apos;.&apos;,except &apos;*&apos;)</source>
        <comment>输入多行(可以使用0, .表示空格,但不能使用*)</comment>
        <translation>输入多行(可以使用0, .表示空格,但不能使用*)</translation>
    </message>
    <message>
        <source>Include nine rows,the rows include digit group,and any string</source>
        <comment>包含候选数的格式.</comment>
        <translation>包含候选数的格式.</translation>
    </message>
    <message>
        <source>Puzzle text</source>
        <translation>题目文本</translation>
    </message>
    <message>
        <source>Type or paste the puzzle here; right-click for Select All, Copy, Paste, Clear</source>
        <translation>在此输入或粘贴题目；右键可全选、复制、粘贴、清除</translation>
    </message>
    <message>
        <source>Example 1</source>
        <translation>示例 1</translation>
    </message>
    <message>
        <source>One line of 81 characters</source>
        <translation>一行 81 个字符</translation>
    </message>
    <message>
        <source>Example 2</source>
        <translation>示例 2</translation>
    </message>
    <message>
        <source>Nine rows of nine</source>
        <translation>九行，每行九个字符</translation>
    </message>
    <message>
        <source>Example 3</source>
        <translation>示例 3</translation>
    </message>
    <message>
        <source>A framed grid</source>
        <translation>带边框的表格</translation>
    </message>
    <message>
        <source>Example 4</source>
        <translation>示例 4</translation>
    </message>
    <message>
        <source>A framed grid with candidates</source>
        <translation>带候选数的边框表格</translation>
    </message>
    <message>
        <source>Put the puzzle into the editor</source>
        <translation>将题目放入编辑器</translation>
    </message>
    <message>
        <source>Close without importing</source>
        <translation>关闭，不导入</translation>
    </message>
    <message>
        <source>Invalid format.</source>
        <comment>无效的格式.</comment>
        <translation>无效的格式.</translation>
    </message>
</context>
<context>
    <name>tessel::ui::Tfrm_new</name>
    <message>
        <source>Check OK</source>
        <comment>题目有唯一解</comment>
        <translation>题目有唯一解</translation>
    </message>
    <message>
        <source>This puzzle has multiple solution</source>
        <comment>题目有多解</comment>
        <translation>题目有多解</translation>
    </message>
    <message>
        <source>Puzzle is not solvable</source>
        <comment>题目无解</comment>
        <translation>题目无解</translation>
    </message>
    <message>
        <source>Import or Create Sudoku</source>
        <comment>导入或创建数独</comment>
        <translation>导入或创建数独</translation>
    </message>
    <message>
        <source>Load Puzzle</source>
        <comment>载入当前题目</comment>
        <translation>载入当前题目</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <comment>导入(&amp;I)</comment>
        <translation>导入(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Clear Grid</source>
        <comment>清除表格(&amp;C)</comment>
        <translation>清除表格(&amp;C)</translation>
    </message>
    <message>
        <source>Check Puzzle</source>
        <comment>检查题目</comment>
        <translation>检查题目</translation>
    </message>
    <message>
        <source>Play Puzzle</source>
        <comment>开始游戏</comment>
        <translation>开始游戏</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <comment>退出(&amp;Q)</comment>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>Clear the puzzle board,Sure?</source>
        <comment>确定清除题目表格?</comment>
        <translation>确定清除题目表格?</translation>
    </message>
    <message>
        <source>This Puzzle has multiple solutions,Do you want to solve it anyway?</source>
        <comment>题目有多个解，是否继续？</comment>
        <translation>题目有多个解，是否继续？</translation>
    </message>
    <message>
        <source>Puzzle editor</source>
        <translation>题目编辑器</translation>
    </message>
    <message>
        <source>Click a candidate to make it a clue; click a clue to take it back</source>
        <translation>点击候选数将其设为题目数字；点击题目数字将其取消</translation>
    </message>
    <message>
        <source>Copy the digits of the game board into the editor</source>
        <translation>将游戏盘面上的数字复制到编辑器</translation>
    </message>
    <message>
        <source>Paste a puzzle as text</source>
        <translation>以文本形式粘贴题目</translation>
    </message>
    <message>
        <source>Empty the editor</source>
        <translation>清空编辑器</translation>
    </message>
    <message>
        <source>Tell whether the puzzle has one solution, several or none</source>
        <translation>检查题目有唯一解、多解还是无解</translation>
    </message>
    <message>
        <source>Play this puzzle on the board</source>
        <translation>在盘面上玩这道题</translation>
    </message>
    <message>
        <source>Close without playing</source>
        <translation>关闭，不开始游戏</translation>
    </message>
</context>
<context>
    <name>tessel::ui::Tfrm_sol</name>
    <message>
        <source>Solver</source>
        <translation>求解器</translation>
    </message>
</context>
<context>
    <name>tessel::ui::Tfrmcopy</name>
    <message>
        <source>Copy Puzzle To Clipboard (Need Fixed-width font,Such as Courier)</source>
        <translation>复制题目到剪贴板（需要等宽字体，如 Courier）</translation>
    </message>
    <message>
        <source>Puzzle text</source>
        <translation>题目文本</translation>
    </message>
    <message>
        <source>The puzzle in the chosen format; it lines up in a fixed-width font</source>
        <translation>所选格式的题目；使用等宽字体才能对齐</translation>
    </message>
    <message>
        <source>Select the format to be copied</source>
        <translation>选择复制的格式</translation>
    </message>
    <message>
        <source>No Candidate</source>
        <translation>不含候选数</translation>
    </message>
    <message>
        <source>With Candidates</source>
        <translation>含候选数</translation>
    </message>
    <message>
        <source>A framed grid of the digits</source>
        <translation>只含数字的边框表格</translation>
    </message>
    <message>
        <source>A framed grid with the candidates of every open cell</source>
        <translation>含每个空格候选数的边框表格</translation>
    </message>
    <message>
        <source>Nine rows of nine digits</source>
        <translation>九行，每行九个数字</translation>
    </message>
    <message>
        <source>One line of 81 digits</source>
        <translation>一行 81 个数字</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Copy the text to the clipboard and close</source>
        <translation>将文本复制到剪贴板并关闭</translation>
    </message>
    <message>
        <source>Close without copying</source>
        <translation>关闭，不复制</translation>
    </message>
</context>
<context>
    <name>tessel::ui::Tfrmgamelist</name>
    <message>
        <source>Game Name</source>
        <comment>游戏存档名</comment>
        <translation>游戏存档名</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <comment>难度</comment>
        <translation>难度</translation>
    </message>
    <message>
        <source>OK to delete it?</source>
        <comment>确定要删除吗?</comment>
        <translation>确定要删除吗?</translation>
    </message>
    <message>
        <source>Sudoku</source>
        <comment>数独</comment>
        <translation>数独</translation>
    </message>
    <message>
        <source>Enter New Game Name</source>
        <comment>输入数独题目名</comment>
        <translation>输入数独题目名</translation>
    </message>
    <message>
        <source>This Game board name already exits</source>
        <comment>该名称已存在,请重新命名.</comment>
        <translation>该名称已存在,请重新命名.</translation>
    </message>
    <message>
        <source>The game &quot;%1&quot; is no longer in your list.</source>
        <translation>游戏“%1”已不在您的列表中。</translation>
    </message>
    <message>
        <source>Choose a sudoku</source>
        <translation>选择数独</translation>
    </message>
    <message>
        <source>Saved games</source>
        <translation>已保存的游戏</translation>
    </message>
    <message>
        <source>Your saved games; double-click one to play it</source>
        <translation>您保存的游戏；双击即可开始游戏</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Delete the selected game</source>
        <translation>删除所选游戏</translation>
    </message>
    <message>
        <source>Rename the selected game</source>
        <translation>重命名所选游戏</translation>
    </message>
    <message>
        <source>Play the selected game</source>
        <translation>开始所选游戏</translation>
    </message>
    <message>
        <source>Close the list</source>
        <translation>关闭列表</translation>
    </message>
</context>
<context>
    <name>tessel::ui::Tfrmprintselect</name>
    <message>
        <source>Select Print Style</source>
        <translation>选择打印样式</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>With Candidates</source>
        <translation>含候选数</translation>
    </message>
    <message>
        <source>The board with its digits only</source>
        <translation>只打印盘面上的数字</translation>
    </message>
    <message>
        <source>The board with the candidates of every open cell</source>
        <translation>打印盘面及每个空格的候选数</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>纸张大小</translation>
    </message>
    <message>
        <source>Small   (A4)</source>
        <translation>小   (A4)</translation>
    </message>
    <message>
        <source>A board for A4 paper</source>
        <translation>适合 A4 纸的盘面</translation>
    </message>
    <message>
        <source>Normal   (A3)</source>
        <translation>中   (A3)</translation>
    </message>
    <message>
        <source>A board for A3 paper</source>
        <translation>适合 A3 纸的盘面</translation>
    </message>
    <message>
        <source>Big  (A2)</source>
        <translation>大  (A2)</translation>
    </message>
    <message>
        <source>A board for A2 paper</source>
        <translation>适合 A2 纸的盘面</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Write the page and open it in your browser</source>
        <translation>生成页面并在浏览器中打开</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>关闭此窗口</translation>
    </message>
    <message>
        <source>The temporary folder &apos;%1&apos; does not exist.</source>
        <translation>临时文件夹“%1”不存在。</translation>
    </message>
</context>
<context>
    <name>tessel::ui::Tfrmsave</name>
    <message>
        <source>This Game board name already exits,OK to overwrite it?</source>
        <comment>游戏名称已存在，是否覆盖？</comment>
        <translation>游戏名称已存在，是否覆盖？</translation>
    </message>
    <message>
        <source>Game has been saved</source>
        <comment>保存成功</comment>
        <translation>保存成功</translation>
    </message>
    <message>
        <source>Save Your Game</source>
        <translation>保存游戏</translation>
    </message>
    <message>
        <source>Name of Your Game:</source>
        <translation>游戏名称:</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>The name the game is listed under</source>
        <translation>游戏在列表中显示的名称</translation>
    </message>
    <message>
        <source>Game Level</source>
        <translation>游戏等级</translation>
    </message>
    <message>
        <source>The level listed with the game</source>
        <translation>列表中显示的游戏等级</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Save the board under this name</source>
        <translation>以此名称保存盘面</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>关闭，不保存</translation>
    </message>
    <message>
        <source>Another copy of Sudoku Tessel is changing your saved games. Nothing was changed; please try again.</source>
        <translation>另一个 Sudoku Tessel 正在修改您保存的游戏。没有做任何更改，请稍后重试。</translation>
    </message>
    <message>
        <source>Your saved games cannot be changed: the folder %1 cannot be written to.</source>
        <translation>无法修改您保存的游戏：文件夹 %1 无法写入。</translation>
    </message>
    <message>
        <source>Another copy of Sudoku Tessel has just saved a game named &quot;%1&quot;. Nothing was saved; please save again.</source>
        <translation>另一个 Sudoku Tessel 刚刚保存了名为“%1”的游戏。本次没有保存，请重新保存。</translation>
    </message>
    <message>
        <source>Your game was not saved: games.dat is damaged (%1). Repair or move the file, then save again.</source>
        <translation>游戏未保存：games.dat 已损坏（%1）。请修复或移走该文件后重新保存。</translation>
    </message>
</context>
</TS>
